#include "ui/program.h"

#include "ui/accessible.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form7.h"
#include "ui/frmsplash.h"
#include "ui/placement.h"

#include <QCoreApplication>

namespace ui {

namespace {
Program *currentProgram = nullptr;
}

Program::Program()
{
    Q_ASSERT(!currentProgram);
    currentProgram = this;
    installAccessibility();
}

Program::~Program()
{
    m_ended = true;
    delete m_form2;
    delete m_form7;
    delete m_splash;
    delete m_form1;
    // Windows unloaded earlier and still waiting for deletion go now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    currentProgram = nullptr;
}

Program &Program::current()
{
    Q_ASSERT(currentProgram);
    return *currentProgram;
}

template<class Window>
Window &Program::load(QPointer<Window> &slot)
{
    if (!slot)
        slot = new Window();
    return *slot;
}

template<class Window>
Window &Program::show(QPointer<Window> &slot)
{
    Window &window = load(slot);
    if (!window.isVisible()) {
        window.ensurePolished();
        centreOnScreen(&window);
        window.show();
    }
    return window;
}

FrmSplash &Program::showSplash()
{
    return show(m_splash);
}
Form1 &Program::showForm1()
{
    return show(m_form1);
}
Form2 &Program::showForm2()
{
    return show(m_form2);
}
Form7 &Program::showForm7()
{
    return show(m_form7);
}
Form1 &Program::form1()
{
    return load(m_form1);
}

FrmSplash *Program::splashIfLoaded() const
{
    return m_splash;
}
Form1 *Program::form1IfLoaded() const
{
    return m_form1;
}
Form2 *Program::form2IfLoaded() const
{
    return m_form2;
}
Form7 *Program::form7IfLoaded() const
{
    return m_form7;
}

void Program::unload(QWidget *window)
{
    if (!window)
        return;
    if (window == m_splash)
        m_splash = nullptr;
    else if (window == m_form1)
        m_form1 = nullptr;
    else if (window == m_form2)
        m_form2 = nullptr;
    else if (window == m_form7)
        m_form7 = nullptr;
    else
        return;
    window->hide();
    window->deleteLater();
    if (!anyLoaded() && !m_ended) {
        m_ended = true;
        emit finished();
    }
}

void Program::end()
{
    for (QWidget *window : {static_cast<QWidget *>(m_form2), static_cast<QWidget *>(m_form7),
                            static_cast<QWidget *>(m_splash), static_cast<QWidget *>(m_form1)})
        unload(window);
    if (!m_ended) {
        m_ended = true;
        emit finished();
    }
}

bool Program::anyLoaded() const
{
    return m_splash || m_form1 || m_form2 || m_form7;
}

} // namespace ui
