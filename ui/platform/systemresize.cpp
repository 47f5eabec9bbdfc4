#include "ui/platform/systemresize.h"

#include <QWindow>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace ui {

bool startSystemResize(QWindow *window, Qt::Edges edges)
{
    return window->startSystemResize(edges);
}

void endSystemResize([[maybe_unused]] QWindow *window)
{
#if defined(Q_OS_WIN)
    // A posted message comes after the posted command, and the sizing loop reads posted
    // messages: it ends on this release where the pointer is, which has not moved.
    POINT point;
    GetCursorPos(&point);
    const auto hwnd = reinterpret_cast<HWND>(window->winId());
    ScreenToClient(hwnd, &point);
    PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
#endif
}

} // namespace ui
