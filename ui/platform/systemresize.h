#pragma once

// The window system's own resize of a window that draws its own border, started by a left
// press on that border.

#include <Qt>

class QWindow;

namespace ui {

// Hands the resize to the window system, as Qt does: on Windows a posted WM_SYSCOMMAND, which
// the system's sizing loop answers only after the events already queued are handled. Returns
// whether the window system took it.
bool startSystemResize(QWindow *window, Qt::Edges edges);

// Call when the program itself sees the release of the button that started a resize: the
// window system's sizing loop has not started yet (a tap shorter than the wait for the posted
// command), so it would wait for a release that is gone, and the window would follow the
// pointer until the next click. On Windows the release is posted after the command, so the loop
// takes it and ends at once; on X11 Qt cancels the window manager's resize itself, and a
// Wayland compositor holds the press it was started with.
void endSystemResize(QWindow *window);

} // namespace ui
