#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace ui {

// The classic 3-D colours the controls and the bordered windows are drawn in. The window border
// keeps a grey face and a softer dark edge than a button's.
namespace classic {
inline const QColor highlight(255, 255, 255);
inline const QColor light(223, 223, 223);
inline const QColor face(212, 208, 200);
inline const QColor shadow(128, 128, 128);
inline const QColor windowDarkShadow(64, 64, 64);
inline const QColor darkShadow(0, 0, 0);
} // namespace classic

// One ring of a bevel: its top and left lines in one colour, its bottom and right in the other,
// which also takes the two corners where they meet.
struct BevelRing
{
    QColor topLeft;
    QColor bottomRight;
};

// A two-pixel bevel along the lines of `box`: `outer` on them, `inner` one pixel inside.
void drawBevel(QPainter &p, QRect box, BevelRing outer, BevelRing inner);

// The raised edge of a control (a button's face standing out), and of a window: its frame, filled
// with the face colour inside the rings.
void drawRaised(QPainter &p, QRect box);
void drawWindowFrame(QPainter &p, QRect box);

// The borders drawn around controls and windows: a thin dark line (a flat picture box, a window
// of fixed single border), a sunken bevel, and a window's raised frame, the sizable one wider
// for the player to take hold of.
enum class Border { None, Flat, Sunken, Raised, Sizable };

// Its width on each side, in pixels.
int borderWidth(Border border);
// Draws `border` along the inside of `box`; a raised frame fills what it encloses with the face.
void drawBorder(QPainter &p, QRect box, Border border);

// A one-pixel line around the inside of `box`.
void drawOutline(QPainter &p, QRect box, QColor color);

// Every line here is filled as whole pixels rather than stroked with a pen: a stroked one-pixel
// line stands half a pixel off its place at twice the scale, and covers a row of the picture
// inside it.
void fillLine(QPainter &p, QPoint from, QPoint to, QColor color);

} // namespace ui
