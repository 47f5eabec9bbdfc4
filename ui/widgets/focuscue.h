#pragma once

#include <QRect>

class QPainter;
class QWidget;

namespace ui {

// The dotted focus cue of the buttons and the pictures that open a web page. It stays hidden in
// a window until the keyboard is used to move about in it, as on the desktops this game grew up
// on; once shown, it stays for the window's life.

// Call where the widget is made: from then on a navigation key on it (Tab reaches the widget
// before Qt moves the focus on with it), or the focus arriving on it by Tab, shows the cues in
// its window.
void watchForFocusCues(QWidget *widget);

// Whether `widget` has the focus and its window shows the cues.
bool showsFocusCue(const QWidget *widget);

// The classic focus rectangle along the lines of `box`: a one-pixel line of every other pixel,
// each inverted.
void drawFocusCue(QPainter &p, QRect box);

} // namespace ui
