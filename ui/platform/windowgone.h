#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QObject>

#include <functional>

class QWidget;

namespace ui {

// A window of the program destroyed by another X client (xdotool windowclose, say) is gone for
// good: it is told, from the event loop, so that its owner can unload it as if it had been
// closed. Where there is no X11 it never sees anything.
class WindowGoneWatcher : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    // `watched` lists the windows to watch, asked anew for each destroyed native window.
    explicit WindowGoneWatcher(std::function<QList<QWidget *>()> watched);
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void windowGone(QWidget *window);

private:
    std::function<QList<QWidget *>()> m_watched;
};

} // namespace ui
