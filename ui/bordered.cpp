#include "ui/bordered.h"

#include <QCloseEvent>
#include <QPainter>

namespace ui {

namespace {
// A fixed single border is one dark line; a fixed dialog border a raised edge three pixels wide.
int thickness(BorderedWindow::Border border)
{
    return border == BorderedWindow::Border::Single ? 1 : 3;
}
} // namespace

BorderedWindow::BorderedWindow(QSize clientPixels, Border border, QColor background,
                               Qt::WindowFlags flags)
    : QWidget(nullptr, flags | Qt::FramelessWindowHint)
    , m_border(border)
    , m_client(new QWidget(this))
{
    setAttribute(Qt::WA_QuitOnClose, false);
    const int b = thickness(border);
    setFixedSize(clientPixels + QSize(2 * b, 2 * b));
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(QRect(QPoint(b, b), clientPixels));
    m_client->setAutoFillBackground(true);
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, background);
    m_client->setPalette(palette);
}

void BorderedWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (m_border == Border::Single) {
        p.setPen(Qt::black);
        p.drawRect(r);
        return;
    }
    // Raised: light outside top-left, dark outside bottom-right, a face-coloured band inside.
    p.fillRect(rect(), QColor(212, 208, 200));
    p.setPen(QColor(212, 208, 200));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(64, 64, 64));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(Qt::white);
    p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
    p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
    p.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
}

} // namespace ui

namespace ui {

void BorderedWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

} // namespace ui
