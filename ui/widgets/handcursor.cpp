#include "ui/widgets/handcursor.h"

#include "ui/widgets/picture.h"

#include <QFile>
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
    // Drawn as every picture is, from the twice-as-large drawing above the normal scale; the hot
    // spot, in the normal drawing's pixels, is the same point at any scale.
    const QString path = QStringLiteral(":/mano.cur");
    const QPixmap hand = picture(path);
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    const QPoint hot = curHotSpot(path);
    return QCursor(hand, hot.x(), hot.y());
}

} // namespace ui
