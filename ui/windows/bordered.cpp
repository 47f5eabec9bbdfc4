#include "ui/windows/bordered.h"

#include "ui/widgets/bevel.h"
#include "ui/windows/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace ui {

BorderedWindow::BorderedWindow(const Design &design, std::span<const Control> storedLayout)
    : QWidget(nullptr, design.type | Qt::FramelessWindowHint)
    , m_border(design.border)
    , m_thickness(borderWidth(design.border))
    , m_client(new QWidget(this))
{
    setObjectName(QString::fromLatin1(design.name));
    setAttribute(Qt::WA_QuitOnClose, false);
    const QSize clientPixels(px(design.clientWidth), px(design.clientHeight));
    const QSize frame(2 * m_thickness, 2 * m_thickness);
    if (m_border == Border::Sizable) {
        resize(clientPixels + frame);
        setMinimumSize(frame + QSize(1, 1));
        setMouseTracking(true);
        // The resize arrows are the border's: the client area, which covers all the rest and
        // passes no move over it to the window, keeps the ordinary arrow for its controls.
        m_client->setCursor(Qt::ArrowCursor);
    } else {
        setFixedSize(clientPixels + frame);
    }
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(QRect(QPoint(m_thickness, m_thickness), clientPixels));
    m_client->setAutoFillBackground(true);
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(design.background));
    m_client->setPalette(palette);
    m_controls = buildControls(m_client, storedLayout);
}

void BorderedWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawBorder(p, rect(), m_border);
}

void BorderedWindow::resizeEvent(QResizeEvent *)
{
    // Resizing shows more or less of the client area; no control moves or changes size.
    m_client->setGeometry(rect().adjusted(m_thickness, m_thickness, -m_thickness, -m_thickness));
}

Qt::Edges BorderedWindow::edgesAt(QPoint position) const
{
    if (m_border != Border::Sizable)
        return {};
    // The corners take a little more than the border, as on the classic sizing frame.
    const int corner = 4 * m_thickness;
    Qt::Edges edges;
    if (position.x() < m_thickness || (position.x() < corner && position.y() < m_thickness) ||
        (position.x() < corner && position.y() >= height() - m_thickness))
        edges |= Qt::LeftEdge;
    if (position.x() >= width() - m_thickness ||
        (position.x() >= width() - corner &&
         (position.y() < m_thickness || position.y() >= height() - m_thickness)))
        edges |= Qt::RightEdge;
    if (position.y() < m_thickness || (position.y() < corner && edges))
        edges |= Qt::TopEdge;
    if (position.y() >= height() - m_thickness || (position.y() >= height() - corner && edges))
        edges |= Qt::BottomEdge;
    // A window shrunk to its smallest has its corners overlap: the nearer edge of each pair wins.
    if ((edges & Qt::LeftEdge) && (edges & Qt::RightEdge))
        edges &= ~(2 * position.x() < width() ? Qt::RightEdge : Qt::LeftEdge);
    if ((edges & Qt::TopEdge) && (edges & Qt::BottomEdge))
        edges &= ~(2 * position.y() < height() ? Qt::BottomEdge : Qt::TopEdge);
    return edges;
}

void BorderedWindow::mousePressEvent(QMouseEvent *event)
{
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (edges && event->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemResize(edges);
}

void BorderedWindow::mouseMoveEvent(QMouseEvent *event)
{
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

} // namespace ui
