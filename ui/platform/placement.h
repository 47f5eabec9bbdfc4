#pragma once

class QWidget;

namespace ui {

// Puts a window, frame included, in the middle of the screen it is on; one larger than the
// screen goes to its top-left corner.
void centreOnScreen(QWidget *window);

} // namespace ui
