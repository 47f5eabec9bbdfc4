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

int borderWidth(Border border)
{
    switch (border) {
    case Border::None:
        return 0;
    case Border::Flat:
        return 1;
    case Border::Sunken:
        return 2;
    case Border::Raised:
        return 3;
    case Border::Sizable:
        return 4;
    }
    return 0;
}

void drawBorder(QPainter &p, QRect box, Border border)
{
    switch (border) {
    case Border::None:
        break;
    case Border::Flat:
        drawOutline(p, box, classic::darkShadow);
        break;
    case Border::Sunken:
        drawBevel(p, box, {classic::shadow, classic::highlight},
                  {classic::darkShadow, classic::light});
        break;
    case Border::Raised:
    case Border::Sizable:
        drawWindowFrame(p, box);
        break;
    }
}

} // namespace ui
