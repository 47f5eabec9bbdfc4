#include "ui/platform/windowgone.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#if defined(DESLIZADOR_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace ui {

WindowGoneWatcher::WindowGoneWatcher(std::function<QList<QWidget *>()> watched)
    : m_watched(std::move(watched))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool WindowGoneWatcher::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#if defined(DESLIZADOR_XCB) && QT_CONFIG(xcb)
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
        return false;
    const WId gone = static_cast<const xcb_destroy_notify_event_t *>(message)->window;
    // A window the program unloads itself is forgotten before its native window goes.
    for (QWidget *window : m_watched()) {
        if (window->internalWinId() == gone) {
            QTimer::singleShot(0, this, [this, target = QPointer(window)] {
                if (target)
                    emit windowGone(target);
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
