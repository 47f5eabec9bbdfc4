#include "ui/widgets/picturebox.h"

#include "ui/widgets/focuscue.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

PictureBox::PictureBox(QPixmap picture, Border border, QColor background, QWidget *parent)
    : QWidget(parent)
    , m_picture(std::move(picture))
    , m_border(border)
    , m_background(background)
{
    watchForFocusCues(this);
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    // Space, Return and Enter click it, once a press, where it takes the focus.
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
        QWidget::keyPressEvent(event);
    else if (!event->isAutoRepeat())
        emit clicked();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_background);
    const int b = borderWidth(m_border);
    p.setClipRect(r.adjusted(b, b, -b, -b));
    p.drawPixmap(QPoint(b, b), m_picture);
    p.setClipping(false);
    drawBorder(p, r, m_border);
    if (showsFocusCue(this))
        drawFocusCue(p, r.adjusted(b + 1, b + 1, -b - 1, -b - 1));
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

// The second press of a double-click is no click: QWidget would take it for a press, and its
// release would click a second time.
void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

} // namespace ui
