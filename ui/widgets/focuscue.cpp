#include "ui/widgets/focuscue.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace ui {

namespace {

// A window shows the cues while it holds one of these.
class FocusCuesShown : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
};

bool cuesShown(const QWidget *widget)
{
    return widget->window()->findChild<FocusCuesShown *>(QString(), Qt::FindDirectChildrenOnly);
}

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

void showFocusCues(QWidget *widget)
{
    if (cuesShown(widget))
        return;
    QWidget *window = widget->window();
    new FocusCuesShown(window);
    if (QWidget *focus = window->focusWidget())
        focus->update();
}

// Watches the widgets that show the cue, for the keyboard moving about in their windows.
class CueWatcher : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::KeyPress &&
            isNavigationKey(static_cast<const QKeyEvent *>(event)->key()))
            showFocusCues(widget);
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
                showFocusCues(widget);
        }
        return false;
    }
};

} // namespace

void watchForFocusCues(QWidget *widget)
{
    static CueWatcher watcher;
    widget->installEventFilter(&watcher);
}

bool showsFocusCue(const QWidget *widget)
{
    return widget->hasFocus() && cuesShown(widget);
}

void drawFocusCue(QPainter &p, QRect box)
{
    // Each dot inverts the pixel under it, as the classic one does, so that it shows on a light
    // face and on a dark picture alike.
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QBrush dots(Qt::white, Qt::Dense4Pattern);
    p.fillRect(QRect(box.left(), box.top(), box.width(), 1), dots);
    p.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), dots);
    p.fillRect(QRect(box.left(), box.top() + 1, 1, box.height() - 2), dots);
    p.fillRect(QRect(box.right(), box.top() + 1, 1, box.height() - 2), dots);
    p.restore();
}

} // namespace ui

#include "focuscue.moc"
