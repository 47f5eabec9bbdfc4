#include "ui/platform/windowgone.h"

#include "ui/app/program.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace ui {

WindowGoneWatcher::WindowGoneWatcher(Program &program)
    : m_program(program)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool WindowGoneWatcher::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#if QT_CONFIG(xcb)
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
        return false;
    const WId gone = static_cast<const xcb_destroy_notify_event_t *>(message)->window;
    // A window the program unloads itself is forgotten before its native window goes.
    for (QWidget *window : m_program.loadedWindows()) {
        if (window->internalWinId() == gone) {
            QTimer::singleShot(0, &m_program, [program = &m_program, target = QPointer(window)] {
                program->unload(target);
            });
        }
    }
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}

} // namespace ui
