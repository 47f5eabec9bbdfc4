#include "ui/widgets/picturebutton.h"

#include "ui/widgets/bevel.h"
#include "ui/widgets/focuscue.h"

#include <QKeyEvent>
#include <QPainter>

namespace ui {

PictureButton::PictureButton(QColor face, QPixmap picture, QWidget *parent)
    : QAbstractButton(parent)
    , m_face(face)
    , m_picture(std::move(picture))
{
    setFocusPolicy(Qt::StrongFocus);
    watchForFocusCues(this);
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Space is the button's own (pressed on the key, clicked on its release); Enter clicks at once.
    // The arrows go to the container: the board knows which button is next to which.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->ignore();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_face);
    const bool sunken = isDown();
    if (sunken)
        drawBevel(p, r, {classic::darkShadow, classic::darkShadow}, {classic::shadow, m_face});
    else
        drawRaised(p, r);

    // Pressed, the content moves one pixel down and right, as the face sinks.
    const QPoint shift = sunken ? QPoint(1, 1) : QPoint(0, 0);
    if (!m_picture.isNull()) {
        const QSize size = m_picture.deviceIndependentSize().toSize();
        const QPoint at((r.width() - size.width()) / 2, (r.height() - size.height()) / 2);
        p.drawPixmap(at + shift, m_picture);
    }
    if (!text().isEmpty()) {
        p.setPen(palette().color(QPalette::ButtonText));
        p.setFont(font());
        p.drawText(r.translated(shift), Qt::AlignCenter, text());
    }
    if (showsFocusCue(this))
        drawFocusCue(p, r.adjusted(4, 4, -4, -4).translated(shift));
}

} // namespace ui
