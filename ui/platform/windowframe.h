#pragma once

#include <QMargins>

class QWidget;

namespace ui {

// The frame the window system will put around `window` once it is shown, known before it is
// shown so that the window can be centred as a whole, frame and title bar included. Creates the
// native window. On X11 the window manager is asked (_NET_REQUEST_FRAME_EXTENTS); empty margins
// where nobody can tell (no frame, Wayland, a window manager that does not answer).
QMargins expectedFrameMargins(QWidget *window);

} // namespace ui
