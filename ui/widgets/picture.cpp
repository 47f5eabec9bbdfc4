#include "ui/widgets/picture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cmath>

namespace ui {

QPixmap picture(const QString &path)
{
    return picture(path, qApp->devicePixelRatio());
}

QPixmap picture(const QString &path, qreal ratio)
{
    QPixmap normal(path);
    if (ratio <= 1.0 || normal.isNull())
        return normal;
    const QFileInfo info(path);
    const QString sharp = info.path() + QLatin1Char('/') + info.completeBaseName() +
                          QStringLiteral("@2x.") + info.suffix();
    QImage large(sharp);
    if (large.isNull())
        return normal;
    if (!qFuzzyCompare(ratio, 2.0)) {
        const QSize size(static_cast<int>(std::lround(normal.width() * ratio)),
                         static_cast<int>(std::lround(normal.height() * ratio)));
        large = large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap result = QPixmap::fromImage(large);
    result.setDevicePixelRatio(ratio);
    return result;
}

} // namespace ui
