#pragma once

class QWidget;

namespace ui {

// Puts a window, frame included, in the middle of the screen it is on.
void centreOnScreen(QWidget *window);

} // namespace ui
