#pragma once

namespace ui {

// Makes Qt's own texts (the message boxes' buttons) Spanish. Loaded on first need rather than at
// start-up: most games never show a message.
void loadSpanishQtTexts();

} // namespace ui
