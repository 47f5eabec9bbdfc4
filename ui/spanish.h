#pragma once

namespace ui {

// Makes Qt's own texts (the message boxes' buttons) Spanish. Loaded on first need rather than at
// start-up: most games never show a message.
void loadSpanishQtTexts();

// The layouts name MS Sans Serif, Arial and Verdana; these map them to installed fonts with the
// same metrics, so every text fits its box.
void installFontSubstitutions();

} // namespace ui
