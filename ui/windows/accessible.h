#pragma once

#include <QWidget>

namespace ui {

// What a screen reader says for a place: "fila 2, columna 3".
QString placeDescription(int row, int column);

// Teaches Qt's accessibility the game's own widgets: the board, the picture links and the
// congratulations. Safe to call more than once.
void installAccessibility();

// Tells the screen reader again where the keyboard focus is in `window`, when a menu command has
// drawn the reader's attention to itself and handed the focus back without a word.
void tellFocus(QWidget *window);

// Tells the screen reader the description of `widget` again, changed or not.
void tellDescription(QWidget *widget);

// Tells the screen reader about a window that appears without taking the focus, by its name.
void announce(QWidget *window);

} // namespace ui
