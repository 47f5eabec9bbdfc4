#pragma once

#include <QFont>

namespace ui {

// A font as the layouts name it; 8.25 pt unless a size is given.
struct Font
{
    const char *family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
};

inline constexpr Font sansSerif {"MS Sans Serif", 8.25, false};
inline constexpr Font sansSerifBold {"MS Sans Serif", 8.25, true};
inline constexpr Font arial {"Arial", 8.25, false};
inline constexpr Font arialBold {"Arial", 8.25, true};

// Sizes in points are drawn at 96 dots per inch: 8.25 pt is 11 pixels, 12 pt is 16.
QFont fontOf(const Font &font);

// The layouts name MS Sans Serif, Arial and Verdana; these map them to installed fonts with the
// same metrics, so every text fits its box, and makes MS Sans Serif the program's own font.
void installFontSubstitutions();

} // namespace ui
