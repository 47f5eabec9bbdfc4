#include "ui/bevel.h"

#include <QPainter>

namespace ui {

namespace {

void drawRing(QPainter &p, QRect box, BevelRing ring)
{
    p.setPen(ring.topLeft);
    p.drawLine(box.topLeft(), box.topRight() - QPoint(1, 0));
    p.drawLine(box.topLeft(), box.bottomLeft() - QPoint(0, 1));
    p.setPen(ring.bottomRight);
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomRight());
}

} // namespace

void drawBevel(QPainter &p, QRect box, BevelRing outer, BevelRing inner)
{
    drawRing(p, box, outer);
    drawRing(p, box.adjusted(1, 1, -1, -1), inner);
}

} // namespace ui
