#pragma once

#include <QPixmap>
#include <QString>

namespace ui {

// One of the game's pictures by its resource path (":/ficha7.jpg"), sharp on the screen it will
// be drawn on. At a device pixel ratio above 1 it is made from the twice-as-large drawing beside
// it (":/ficha7@2x.jpg"), scaled to the ratio when that is not 2, so that it keeps its logical
// size. Qt takes such a drawing by itself for icons only, and only at whole ratios.
QPixmap picture(const QString &path);
QPixmap picture(const QString &path, qreal ratio);

} // namespace ui
