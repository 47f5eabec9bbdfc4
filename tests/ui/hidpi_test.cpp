// At 2 or 1.5 device pixels to a pixel (QT_SCALE_FACTOR): pictures drawn from their @2x drawings.

#include "tests/support/ui.h"
#include "ui/widgets/handcursor.h"

namespace {

using namespace testsupport;

// Mean difference per channel of `image` from the opaque pixels of `picture` laid over it at
// `at`, inside a border as wide as `at`; the best within a device pixel, as places round.
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

// {on the board (else the splash), control, where its picture starts ((-1, -1): centred), file}
using Drawn = std::tuple<bool, const char *, QPoint, QString>;
using HighDpi = testing::TestWithParam<Drawn>;

TEST_P(HighDpi, PictureIsDrawnFromItsSharpDrawing)
{
    const auto [board, name, inside, picture] = GetParam();
    const qreal ratio = qApp->devicePixelRatio();
    ASSERT_GT(ratio, 1.0) << "run with QT_SCALE_FACTOR=2 or 1.5";
    ui::Program program;
    QWidget *shown = board ? static_cast<QWidget *>(&program.showForm1()) : &program.showSplash();
    QWidget *control = shown->findChild<QWidget *>(QString::fromLatin1(name));
    ASSERT_NE(control, nullptr);
    const QImage drawn = control->grab().toImage(), normal(":/" + picture);
    const QSize size = (QSizeF(normal.size()) * ratio).toSize();
    const QImage sharp = QImage(":/" + QString(picture).replace('.', "@2x."))
                             .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage blurred = normal.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QPoint start =
        inside.x() >= 0 ? inside : control->rect().center() - normal.rect().center();
    const QPoint at = (QPointF(start) * ratio).toPoint();
    EXPECT_LT(distance(drawn, sharp, at), 2.0);
    EXPECT_GT(distance(drawn, blurred, at), 2 * distance(drawn, sharp, at) + 1.0);
}

// One loader serves every picture: a tile's, a picture box's, one inside a sunken border.
INSTANTIATE_TEST_SUITE_P(EveryKind, HighDpi,
                         testing::Values(Drawn {true, "Command7", {-1, -1}, "ficha7.jpg"},
                                         Drawn {true, "Image1", {0, 0}, "banner.gif"},
                                         Drawn {false, "Picture2", {2, 2}, "tablero.gif"}),
                         [](const auto &p) { return std::string(std::get<1>(p.param)); });

// The pointing hand follows the pictures' rule: its sharp drawing, at the screen's scale.
TEST(HighDpiCursor, TheHandIsDrawnFromItsSharpDrawing)
{
    const QPixmap hand = ui::handCursor().pixmap();
    EXPECT_EQ(hand.devicePixelRatio(), qApp->devicePixelRatio());
    EXPECT_EQ(hand.deviceIndependentSize().toSize(), QSize(32, 32));
}

} // namespace
