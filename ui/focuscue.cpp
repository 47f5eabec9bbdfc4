#include "ui/focuscue.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace ui {

namespace {

const char focusCuesProperty[] = "deslizadorFocusCues";

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
    QWidget *window = widget->window();
    if (window->property(focusCuesProperty).toBool())
        return;
    window->setProperty(focusCuesProperty, true);
    if (QWidget *focus = window->focusWidget())
        focus->update();
}

} // namespace

void watchForFocusCues(QWidget *widget, const QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        isNavigationKey(static_cast<const QKeyEvent *>(event)->key()))
        showFocusCues(widget);
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            showFocusCues(widget);
    }
}

bool showsFocusCue(const QWidget *widget)
{
    return widget->hasFocus() && widget->window()->property(focusCuesProperty).toBool();
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
