// Every picture, icon and cursor read back from the compiled-in resources, at 1x and 2x: what a
// player sees depends on their sizes, colour tables and transparency, on the tiles' background
// matching the tan of their buttons, and on the hand cursor's hot spot at the stick's tip.

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <bit>

namespace {

QString at(QString file, int scale)
{
    return ":/" + (scale == 1 ? file : file.insert(file.lastIndexOf('.'), "@2x"));
}

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

unsigned byteAt(const QByteArray &b, qsizetype i, int count = 1) // little-endian
{
    return count == 0 ? 0u : static_cast<unsigned char>(b.at(i)) | byteAt(b, i + 1, count - 1) << 8;
}

// {file, format, size at 1x, GIF colour table entries, transparent}
using Picture = std::tuple<const char *, const char *, QSize, unsigned, bool>;
using PictureFile = testing::TestWithParam<Picture>;

TEST_P(PictureFile, ReadsBackAsDrawnAtBothScales)
{
    const auto [file, format, size, colours, transparent] = GetParam();
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        QImageReader reader(at(file, scale));
        EXPECT_EQ(reader.format(), format);
        EXPECT_LE(reader.imageCount(), 1);
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), size * scale);
        const QByteArray b = bytes(at(file, scale));
        if (colours) { // GIF89a with a global colour table
            EXPECT_EQ(b.left(6), QByteArray("GIF89a"));
            EXPECT_EQ(byteAt(b, 10) & 0x87, 0x80 | (std::bit_width(colours) - 2));
        }
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) == 255;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)) == 0, transparent);
        EXPECT_GT(opaque, image.width() * image.height() / 5) << "the picture itself";
    }
}

INSTANTIATE_TEST_SUITE_P(Assets, PictureFile,
                         testing::Values(Picture {"fondo.jpg", "jpeg", {293, 298}, 0, false},
                                         Picture {"banner.gif", "gif", {156, 48}, 256, false},
                                         Picture {"tablero.gif", "gif", {150, 151}, 256, false},
                                         Picture {"logotipo.gif", "gif", {137, 32}, 256, true},
                                         Picture {"sonrisa.gif", "gif", {55, 40}, 64, false},
                                         Picture {
                                             "logotipo_vertical.gif", "gif", {62, 224}, 256, false},
                                         Picture {"web.gif", "gif", {206, 30}, 256, false}));

// Tiles 1 and 15 have fixed sizes, the others fit the 48-pixel face; all on the buttons' tan.
TEST(TileNumerals, SizesAndTanBackground)
{
    for (int n = 1; n <= 15; ++n) {
        SCOPED_TRACE(n);
        const QImage image(at(QStringLiteral("ficha%1.jpg").arg(n), 1));
        const QImage twice(at(QStringLiteral("ficha%1.jpg").arg(n), 2));
        const QSize s = image.size();
        EXPECT_EQ(twice.size(), s * 2);
        const QSize least = n == 1    ? QSize(16, 25)
                            : n == 15 ? QSize(31, 25)
                            : n < 10  ? QSize(16, 23)
                                      : QSize(29, 25);
        const QSize most = n == 1 || n == 15 ? least : n < 10 ? QSize(21, 26) : QSize(34, 26);
        EXPECT_TRUE(s.expandedTo(least) == s && s.boundedTo(most) == s)
            << s.width() << "x" << s.height();
        for (const QImage &i : {image, twice})
            for (QRgb c : {i.pixel(0, 0), i.pixel(i.width() - 1, i.height() - 1)})
                EXPECT_LE(std::abs(qRed(c) - 247) + std::abs(qGreen(c) - 222) +
                              std::abs(qBlue(c) - 165),
                          9);
    }
}

// The directory is read byte by byte: the 16-colour depth and the hot spot are lost once Qt has
// decoded the images. {file, type (1 icon, 2 cursor), sizes of the entries, first hot spot}
using IconFile = std::tuple<const char *, unsigned, std::vector<unsigned>, QPoint>;
using IconAndCursor = testing::TestWithParam<IconFile>;

TEST_P(IconAndCursor, EntriesAreSixteenColourImagesWithTheirHotSpot)
{
    const auto [file, type, sizes, hotSpot] = GetParam();
    const QByteArray b = bytes(QStringLiteral(":/") + file);
    ASSERT_GE(b.size(), 6 + 16 * qsizetype(sizes.size()));
    EXPECT_EQ(byteAt(b, 2, 2), type);
    ASSERT_EQ(byteAt(b, 4, 2), sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const qsizetype entry = 6 + 16 * qsizetype(i), image = byteAt(b, entry + 12, 4);
        const int size = int(sizes[i]);
        EXPECT_EQ(byteAt(b, entry) * 1000 + byteAt(b, entry + 1), sizes[i] * 1001);
        EXPECT_EQ(byteAt(b, entry + 2), 16u) << "colour count";
        if (type == 2) { // every entry's hot spot at the tip, in proportion to its size
            EXPECT_EQ(
                QPoint(int(byteAt(b, entry + 4, 2)), int(byteAt(b, entry + 6, 2))),
                QPoint(hotSpot.x() * size / int(sizes[0]), hotSpot.y() * size / int(sizes[0])));
        }
        ASSERT_GE(b.size(), image + 40);
        EXPECT_EQ(byteAt(b, image + 4, 4), sizes[i]) << "bitmap width";
        EXPECT_EQ(byteAt(b, image + 14, 2), 4u) << "bits per pixel";
    }
    const QImage first(QStringLiteral(":/") + file);
    ASSERT_EQ(first.size(), QSize(int(sizes[0]), int(sizes[0])));
    if (type == 2) { // the tip drawn dark where the hot spot is, the corner opposite clear
        EXPECT_EQ(qAlpha(first.pixel(hotSpot)), 255);
        EXPECT_LT(qGray(first.pixel(hotSpot)), 64);
        EXPECT_EQ(qAlpha(first.pixel(first.width() - 1, 0)), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Assets, IconAndCursor,
                         testing::Values(IconFile {"icono.ico", 1, {32}, {}},
                                         IconFile {"icono@2x.ico", 1, {64}, {}},
                                         IconFile {"mano.cur", 2, {32, 16}, {1, 1}},
                                         IconFile {"mano@2x.cur", 2, {64, 32}, {2, 2}}));

} // namespace
