#include "ui/placement.h"

#include "ui/windowframe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The whole window, frame included, as centring a window has always meant.
    const QMargins frame = expectedFrameMargins(window);
    QRect outer = QRect(QPoint(), window->size()).marginsAdded(frame);
    outer.moveCenter(screen->availableGeometry().center());
    window->setGeometry(outer.marginsRemoved(frame));
}

} // namespace ui
