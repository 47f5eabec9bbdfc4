#include "ui/app/program.h"

#include "ui/platform/placement.h"
#include "ui/platform/windowgone.h"
#include "ui/windows/accessible.h"
#include "ui/windows/form1.h"
#include "ui/windows/form2.h"
#include "ui/windows/form7.h"
#include "ui/windows/frmsplash.h"

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
    m_goneWatcher = std::make_unique<WindowGoneWatcher>(*this);
}

Program::~Program()
{
    m_ended = true;
    std::apply([](auto &...slot) { (delete slot.data(), ...); }, m_windows);
    // Windows unloaded earlier and still waiting for deletion go now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    currentProgram = nullptr;
}

Program &Program::current()
{
    Q_ASSERT(currentProgram);
    return *currentProgram;
}

void Program::present(QWidget *window)
{
    window->ensurePolished();
    centreOnScreen(window);
    window->show();
}

FrmSplash &Program::showSplash()
{
    return show<FrmSplash>();
}
Form1 &Program::showForm1()
{
    return show<Form1>();
}
Form2 &Program::showForm2()
{
    return show<Form2>();
}
Form7 &Program::showForm7()
{
    return show<Form7>();
}
FrmSplash *Program::splashIfLoaded() const
{
    return loaded<FrmSplash>();
}
Form1 *Program::form1IfLoaded() const
{
    return loaded<Form1>();
}
Form2 *Program::form2IfLoaded() const
{
    return loaded<Form2>();
}
Form7 *Program::form7IfLoaded() const
{
    return loaded<Form7>();
}

void Program::unload(QWidget *window)
{
    if (!window)
        return;
    const bool forgotten = std::apply(
        [window](auto &...slot) {
            auto forget = [window](auto &one) {
                if (one != window)
                    return false;
                one = nullptr;
                return true;
            };
            return (forget(slot) || ...);
        },
        m_windows);
    if (!forgotten)
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
    // Each is unloaded from a copy: unloading clears its slot.
    std::apply([this](auto... slot) { (unload(slot), ...); }, m_windows);
    if (!m_ended) {
        m_ended = true;
        emit finished();
    }
}

bool Program::anyLoaded() const
{
    return !loadedWindows().isEmpty();
}

QList<QWidget *> Program::loadedWindows() const
{
    QList<QWidget *> windows;
    std::apply(
        [&windows](const auto &...slot) { ((slot ? windows.append(slot.data()) : void()), ...); },
        m_windows);
    return windows;
}

} // namespace ui
