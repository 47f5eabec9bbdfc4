#include "ui/platform/placement.h"

#include "ui/platform/windowframe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The whole window, frame included, as centring a window has always meant.
    const QMargins frame = expectedFrameMargins(window);
    QRect outer = QRect(QPoint(), window->size()).marginsAdded(frame);
    const QRect available = screen->availableGeometry();
    outer.moveCenter(available.center());
    // A window larger than the screen still has its title bar and menu on it, where they can
    // be reached: its frame's top-left corner never goes above or left of the available area.
    outer.moveTopLeft(
        QPoint(std::max(outer.left(), available.left()), std::max(outer.top(), available.top())));
    window->setGeometry(outer.marginsRemoved(frame));
}

} // namespace ui
