#pragma once

#include <QWidget>

// What a screen reader is told of the game. The board is a group of buttons in the order of the
// places, each naming its place as its description; the pictures that open web pages are links,
// the congratulations a notification and the contact window a dialog. A moved tile's place,
// the focused tile's place after a mix and the win reach Orca on Linux as a changed description
// and an alert over the accessibility bus (AT-SPI), where the game sends a changed name or
// description itself while Qt sends an object instead of the text; Windows readers, to whom
// Qt's UI Automation bridge passes neither, get them as UI Automation notifications.

namespace ui {

// What a screen reader says for a place: "fila 2, columna 3".
QString placeDescription(int row, int column);

// Teaches Qt's accessibility the game's own widgets: the board, the picture links and the
// congratulations; on Linux, starts the relay of changed names and descriptions. Safe to call
// more than once.
void installAccessibility();

// Tells the screen reader again where the keyboard focus is in `window`, when a menu command has
// drawn the reader's attention to itself and handed the focus back without a word.
void tellFocus(QWidget *window);

// A tile the player has just moved, its description already its new place: an AT-SPI reader
// heard the change; a UI Automation reader is told the place.
void tellMoved(QWidget *button);

// Tells the screen reader the place of `button`, which has the focus, changed or not; `changed`
// when its description has just changed, which an AT-SPI reader on it has heard already.
void tellPlace(QWidget *button, bool changed);

// Tells the screen reader about a window that appears without taking the focus, by its name.
void announce(QWidget *window);

} // namespace ui
