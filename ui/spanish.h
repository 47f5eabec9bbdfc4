#pragma once

namespace ui {

// Makes Qt's own texts (the message boxes' buttons) Spanish. Loaded on first need rather than at
// start-up: most games never show a message.
void loadSpanishQtTexts();

// The layouts name MS Sans Serif, Arial and Verdana; these map them to installed fonts with the
// same metrics, so every text fits its box, and makes MS Sans Serif the program's own font.
void installFontSubstitutions();

} // namespace ui
