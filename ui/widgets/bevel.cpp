#include "ui/widgets/bevel.h"

#include <QPainter>

namespace ui {

namespace {

void drawRing(QPainter &p, QRect box, BevelRing ring)
{
    fillLine(p, box.topLeft(), box.topRight() - QPoint(1, 0), ring.topLeft);
    fillLine(p, box.topLeft(), box.bottomLeft() - QPoint(0, 1), ring.topLeft);
    fillLine(p, box.bottomLeft(), box.bottomRight(), ring.bottomRight);
    fillLine(p, box.topRight(), box.bottomRight(), ring.bottomRight);
}

} // namespace

void fillLine(QPainter &p, QPoint from, QPoint to, QColor color)
{
    p.fillRect(QRect(from, to).normalized(), color);
}

void drawOutline(QPainter &p, QRect box, QColor color)
{
    fillLine(p, box.topLeft(), box.topRight(), color);
    fillLine(p, box.bottomLeft(), box.bottomRight(), color);
    fillLine(p, box.topLeft(), box.bottomLeft(), color);
    fillLine(p, box.topRight(), box.bottomRight(), color);
}

void drawBevel(QPainter &p, QRect box, BevelRing outer, BevelRing inner)
{
    drawRing(p, box, outer);
    drawRing(p, box.adjusted(1, 1, -1, -1), inner);
}

void drawRaised(QPainter &p, QRect box)
{
    drawBevel(p, box, {classic::highlight, classic::darkShadow}, {classic::light, classic::shadow});
}

void drawWindowFrame(QPainter &p, QRect box)
{
    p.fillRect(box, classic::face);
    drawBevel(p, box, {classic::face, classic::windowDarkShadow},
              {classic::highlight, classic::shadow});
}

} // namespace ui
