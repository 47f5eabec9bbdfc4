// On a screen of 2 or 1.5 device pixels to a pixel (QT_SCALE_FACTOR, set by CTest): every
// picture drawn from its sharp @2x drawing, every control at its place.

#include "tests/support/ui.h"
#include "ui/form7.h"
#include "ui/frmsplash.h"

#include <QApplication>
#include <QImage>

#include <cmath>

namespace {

using namespace testsupport;

// {window, control, its place in its container as at the normal scale, where the picture starts
// in it ((-1, -1): centred), the normal drawing (its sharp one is beside it as @2x)}
using Drawn = std::tuple<const char *, const char *, QRect, QPoint, QString>;
class HighDpi : public UiTest, public testing::WithParamInterface<Drawn>
{
};

// Mean difference per channel of `image` from the opaque pixels of `picture` laid over it at
// `at`, inside the border as wide as `at` (the picture is cut off there); the best within a
// device pixel, as fractional places round either way.
double distance(const QImage &image, const QImage &picture, QPoint at)
{
    double best = 255;
    for (const QPoint shift : {QPoint(0, 0), QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1),
                               QPoint(0, 1), QPoint(-1, -1), QPoint(1, 1)}) {
        const QRect common = QRect(at + shift, picture.size()) &
                             image.rect().adjusted(at.x(), at.y(), -at.x(), -at.y());
        double sum = 0;
        int count = 0;
        for (int y = common.top(); y <= common.bottom(); ++y)
            for (int x = common.left(); x <= common.right(); ++x) {
                const QRgb a = image.pixel(x, y), b = picture.pixel(QPoint(x, y) - at - shift);
                if (qAlpha(b) == 255) {
                    sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                           std::abs(qBlue(a) - qBlue(b));
                    ++count;
                }
            }
        best = std::min(best, count ? sum / (3.0 * count) : 255.0);
    }
    return best;
}

TEST_P(HighDpi, PictureIsSharpAndControlInPlace)
{
    const auto [window, name, place, inside, picture] = GetParam();
    const qreal ratio = qApp->devicePixelRatio();
    ASSERT_GT(ratio, 1.0) << "run with QT_SCALE_FACTOR=2 or 1.5";
    const auto scaled = [ratio](QSize s) { return (QSizeF(s) * ratio).toSize(); };
    QWidget *shown = window == std::string("Form1")   ? static_cast<QWidget *>(&program.showForm1())
                     : window == std::string("Form7") ? static_cast<QWidget *>(&program.showForm7())
                                                      : &program.showSplash();
    QWidget *control = shown->findChild<QWidget *>(QString::fromLatin1(name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), place);

    const QImage drawn = control->grab().toImage();
    ASSERT_EQ(drawn.width(), scaled(place.size()).width());
    const QImage normal(":/" + picture);
    const QSize size = scaled(normal.size());
    const QImage sharp = QImage(":/" + QString(picture).replace('.', "@2x."))
                             .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage blurred = normal.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QPoint start = inside.x() >= 0 ? inside
                                         : QRect(QPoint(), place.size()).center() -
                                               QRect(QPoint(), normal.size()).center();
    const QPoint at = (QPointF(start) * ratio).toPoint();
    EXPECT_LT(distance(drawn, sharp, at), 2.0);
    EXPECT_GT(distance(drawn, blurred, at), 2 * distance(drawn, sharp, at) + 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, HighDpi,
    testing::Values(Drawn {"Form1", "Command7", {128, 80, 48, 48}, {-1, -1}, "ficha7.jpg"},
                    Drawn {"Form1", "Command12", {176, 128, 48, 48}, {-1, -1}, "ficha12.jpg"},
                    Drawn {"Form1", "Image1", {51, 235, 156, 48}, {0, 0}, "banner.gif"},
                    Drawn {"Form7", "Picture2", {80, 203, 208, 32}, {1, 1}, "web.gif"},
                    Drawn {"Form7", "Picture1", {8, 8, 63, 227}, {1, 1}, "logotipo_vertical.gif"},
                    Drawn {"frmSplash", "Picture2", {9, 15, 154, 155}, {2, 2}, "tablero.gif"}),
    [](const auto &p) { return std::get<0>(p.param) + std::string(std::get<1>(p.param)); });

} // namespace
