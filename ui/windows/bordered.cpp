#include "ui/windows/bordered.h"

#include "ui/widgets/bevel.h"
#include "ui/widgets/sizingframe.h"
#include "ui/windows/twips.h"

#include <QPainter>

namespace ui {

BorderedWindow::BorderedWindow(const Design &design, std::span<const Control> storedLayout)
    : QWidget(nullptr, design.type | Qt::FramelessWindowHint)
    , m_client(new QWidget(this))
    , m_border(design.border)
{
    const int thickness = borderWidth(m_border);
    setObjectName(QString::fromLatin1(design.name));
    setAttribute(Qt::WA_QuitOnClose, false);
    const QSize clientPixels(px(design.clientWidth), px(design.clientHeight));
    const QSize frame(2 * thickness, 2 * thickness);
    if (m_border == Border::Sizable) {
        resize(clientPixels + frame);
        setMinimumSize(frame + QSize(1, 1));
        new SizingFrame(this, thickness);
        // The resize arrows are the border's: the client area, which covers all the rest and
        // passes no move over it to the window, keeps the ordinary arrow for its controls.
        m_client->setCursor(Qt::ArrowCursor);
    } else {
        setFixedSize(clientPixels + frame);
    }
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(QRect(QPoint(thickness, thickness), clientPixels));
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
    const int thickness = borderWidth(m_border);
    m_client->setGeometry(rect().adjusted(thickness, thickness, -thickness, -thickness));
}

} // namespace ui
