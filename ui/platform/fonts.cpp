#include "ui/platform/fonts.h"

#include <QApplication>

#include <cmath>

namespace ui {

QFont fontOf(const Font &font)
{
    QFont result(QString::fromLatin1(font.family));
    result.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    result.setBold(font.bold);
    return result;
}

void installFontSubstitutions()
{
    // Liberation Sans has Arial's metrics and comes closest to MS Sans Serif's; DejaVu Sans is
    // wide like Verdana.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
    // What no layout names (the menu bar, message boxes) is drawn in the system font of the
    // program's day, MS Sans Serif 8 pt.
    QApplication::setFont(fontOf(sansSerif));
}

} // namespace ui
