#include "ui/platform/fonts.h"

#include "ui/windows/layout.h"

#include <QApplication>
#include <QFont>

namespace ui {

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
