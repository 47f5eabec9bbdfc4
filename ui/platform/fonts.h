#pragma once

namespace ui {

// The layouts name MS Sans Serif, Arial and Verdana; these map them to installed fonts with the
// same metrics, so every text fits its box, and makes MS Sans Serif the program's own font.
void installFontSubstitutions();

} // namespace ui
