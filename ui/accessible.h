#pragma once

#include <QWidget>

namespace ui {

// What a screen reader says for a place: "fila 2, columna 3".
QString placeDescription(int row, int column);

// Teaches Qt's accessibility the game's own widgets: the board, the picture links and the
// congratulations. Safe to call more than once.
void installAccessibility();

// A picture that opens a web page, for a screen reader: a link named `name`, with the address as
// its description, whose press action clicks it as the mouse would. Tab reaches it. Call it where
// the picture is made, before the window is shown.
void makeLink(QWidget *picture, const QString &name, const QString &address);

// Tells the screen reader again where the keyboard focus is in `window`, when a menu command has
// drawn the reader's attention to itself and handed the focus back without a word.
void tellFocus(QWidget *window);

// Tells the screen reader the description of `widget` again, changed or not.
void tellDescription(QWidget *widget);

// Tells the screen reader about a window that appears without taking the focus, by its name.
void announce(QWidget *window);

} // namespace ui
