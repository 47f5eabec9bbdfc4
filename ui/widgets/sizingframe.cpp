#include "ui/widgets/sizingframe.h"

#include "ui/platform/systemresize.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace ui {

SizingFrame::SizingFrame(QWidget *window, int width)
    : QObject(window)
    , m_window(window)
    , m_width(width)
{
    window->setMouseTracking(true);
    window->installEventFilter(this);
}

Qt::Edges SizingFrame::edgesAt(QPoint position) const
{
    const int width = m_window->width(), height = m_window->height(), border = m_width;
    const int corner = 4 * border;
    Qt::Edges edges;
    if (position.x() < border || (position.x() < corner && position.y() < border) ||
        (position.x() < corner && position.y() >= height - border))
        edges |= Qt::LeftEdge;
    if (position.x() >= width - border ||
        (position.x() >= width - corner &&
         (position.y() < border || position.y() >= height - border)))
        edges |= Qt::RightEdge;
    if (position.y() < border || (position.y() < corner && edges))
        edges |= Qt::TopEdge;
    if (position.y() >= height - border || (position.y() >= height - corner && edges))
        edges |= Qt::BottomEdge;
    // A window shrunk to its smallest has its corners overlap: the nearer edge of each pair wins.
    if ((edges & Qt::LeftEdge) && (edges & Qt::RightEdge))
        edges &= ~(2 * position.x() < width ? Qt::RightEdge : Qt::LeftEdge);
    if ((edges & Qt::TopEdge) && (edges & Qt::BottomEdge))
        edges &= ~(2 * position.y() < height ? Qt::BottomEdge : Qt::TopEdge);
    return edges;
}

bool SizingFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        auto *press = static_cast<QMouseEvent *>(event);
        const Qt::Edges edges = edgesAt(press->position().toPoint());
        m_resizing = false;
        if (edges && press->button() == Qt::LeftButton && m_window->windowHandle()) {
            m_resizing = startSystemResize(m_window->windowHandle(), edges);
            return m_resizing;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        // Once the window system resizes, the release is its own; one that still reaches the
        // window came before its resize began.
        if (m_resizing && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_resizing = false;
            endSystemResize(m_window->windowHandle());
            return true;
        }
    } else if (event->type() == QEvent::MouseMove) {
        auto *move = static_cast<QMouseEvent *>(event);
        if (move->buttons() == Qt::NoButton)
            m_resizing = false; // the window system's resize took the release, and is over
        const Qt::Edges edges = edgesAt(move->position().toPoint());
        if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
            m_window->setCursor(Qt::SizeFDiagCursor);
        else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
            m_window->setCursor(Qt::SizeBDiagCursor);
        else if (edges & (Qt::LeftEdge | Qt::RightEdge))
            m_window->setCursor(Qt::SizeHorCursor);
        else if (edges)
            m_window->setCursor(Qt::SizeVerCursor);
        else
            m_window->unsetCursor();
    }
    return false;
}

} // namespace ui
