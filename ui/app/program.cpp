#include "ui/app/program.h"

#include "ui/platform/placement.h"
#include "ui/platform/windowgone.h"
#include "ui/windows/accessible.h"
#include "ui/windows/form1.h"
#include "ui/windows/form2.h"
#include "ui/windows/form7.h"
#include "ui/windows/frmsplash.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace ui {

Program::Program()
    : m_goneWatcher(std::make_unique<WindowGoneWatcher>([this] { return loadedWindows(); }))
{
    installAccessibility();
    connect(m_goneWatcher.get(), &WindowGoneWatcher::windowGone, this, &Program::unload);
}

Program::~Program()
{
    m_ended = true;
    std::apply([](auto &...slot) { (delete slot.data(), ...); }, m_windows);
    // Windows unloaded earlier and still waiting for deletion go now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Program::listen(FrmSplash &splash)
{
    connect(&splash, &FrmSplash::timedOut, this, [this, &splash] {
        // The board comes up first, so the program always has a window loaded.
        show<Form1>();
        unload(&splash);
    });
}

void Program::listen(Form1 &board)
{
    connect(&board, &Form1::solved, this,
            [this](const std::string &counter) { show<Form2>(counter); });
    connect(&board, &Form1::contactRequested, this, [this] { show<Form7>(); });
    connect(&board, &Form1::endRequested, this, &Program::end);
}

void Program::listen(Form2 &congratulations)
{
    connect(&congratulations, &Form2::timedOut, this,
            [this, &congratulations] { unload(&congratulations); });
}

void Program::listen(Form7 &contact)
{
    connect(&contact, &Form7::okPressed, this, [this, &contact] { unload(&contact); });
}

bool Program::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Close || !watched->isWidgetType())
        return false;
    // The close box unloads the board and the contact window; the program goes on while another
    // window is loaded. The splash and the congratulations cannot be dismissed: their timers
    // unload them.
    auto *window = static_cast<QWidget *>(watched);
    if (window == loaded<Form1>() || window == loaded<Form7>()) {
        event->accept();
        unload(window);
    } else {
        event->ignore();
    }
    return true;
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
    window->removeEventFilter(this);
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
