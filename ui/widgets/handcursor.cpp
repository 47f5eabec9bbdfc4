#include "ui/widgets/handcursor.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmap>

namespace ui {

namespace {

// The hot spot of a cursor file's first image: the CUR directory keeps it where an icon keeps
// its colour planes and bit count.
QPoint curHotSpot(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(6 + 16);
    if (head.size() < 22)
        return {};
    auto word = [&head](int at) {
        return static_cast<int>(static_cast<unsigned char>(head[at])) |
               static_cast<int>(static_cast<unsigned char>(head[at + 1])) << 8;
    };
    return {word(6 + 4), word(6 + 6)};
}

} // namespace

QCursor handCursor()
{
    const qreal ratio = qApp->devicePixelRatio();
    const QString path =
        ratio > 1.5 ? QStringLiteral(":/mano@2x.cur") : QStringLiteral(":/mano.cur");
    QPixmap picture(path, "CUR");
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    QPoint hot = curHotSpot(path);
    if (ratio > 1.5) {
        picture.setDevicePixelRatio(2.0);
        hot /= 2;
    }
    return QCursor(picture, hot.x(), hot.y());
}

} // namespace ui
