#pragma once

#include <QWidget>

namespace ui {

// What a screen reader says for a place: "fila 2, columna 3".
QString placeDescription(int row, int column);

// Teaches Qt's accessibility the game's own widgets: the board, the picture links and the
// congratulations. Safe to call more than once.
void installAccessibility();

// A picture that opens a web page, for a screen reader: a link named `name`, with the address as
// its description, whose press action clicks it as the mouse would. Call it where the picture
// is made, before the window is shown.
void makeLink(QWidget *picture, const QString &name, const QString &address);

// Tells the screen reader about a window that appears without taking the focus, by its name.
void announce(QWidget *window);

} // namespace ui
