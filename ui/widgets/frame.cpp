#include "ui/widgets/frame.h"

#include "ui/widgets/bevel.h"

#include <QPainter>

namespace ui {

Frame::Frame(const QString &caption, QColor captionColor, QColor background, QWidget *parent)
    : QWidget(parent)
    , m_caption(caption)
    , m_captionColor(captionColor)
    , m_background(background)
{
    // A screen reader hears the caption as the name of the group, blanks around it left out.
    setAccessibleName(caption.simplified());
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_background);
    const QFontMetrics metrics(font());
    // A caption sits on the top edge, which then runs through the middle of its text.
    const int edgeTop = m_caption.isEmpty() ? 0 : metrics.height() / 2;
    const QRect box = rect().adjusted(0, edgeTop, -1, -1);
    drawOutline(p, box, classic::shadow);
    drawOutline(p, box.adjusted(1, 1, 1, 1), classic::highlight);
    if (!m_caption.isEmpty()) {
        const QRect text(8, 0, metrics.horizontalAdvance(m_caption), metrics.height());
        p.fillRect(text, m_background);
        p.setPen(m_captionColor);
        p.drawText(text, Qt::AlignLeft | Qt::AlignTop, m_caption);
    }
}

} // namespace ui
