#include "ui/picturebutton.h"

#include "ui/bevel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ui {

PictureButton::PictureButton(QColor face, QPixmap picture, QWidget *parent)
    : QAbstractButton(parent)
    , m_face(face)
    , m_picture(std::move(picture))
{
    setFocusPolicy(Qt::StrongFocus);
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
        drawBevel(p, r, {classic::highlight, classic::darkShadow},
                  {classic::light, classic::shadow});

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
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = r.adjusted(4, 4, -4, -4).translated(shift);
        option.backgroundColor = m_face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

} // namespace ui
