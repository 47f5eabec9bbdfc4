// The pictures, icons and cursors as compiled in, at 1x and 2x.

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <bit>

namespace {

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

unsigned byteAt(const QByteArray &b, qsizetype i, int count = 1) // little-endian
{
    return count == 0 ? 0u : static_cast<unsigned char>(b.at(i)) | byteAt(b, i + 1, count - 1) << 8;
}

// A corner's kind: 't' transparent, 'n' the buttons' tan, 'o' any other opaque colour.
char kind(QRgb c)
{
    const int offTan =
        std::abs(qRed(c) - 247) + std::abs(qGreen(c) - 222) + std::abs(qBlue(c) - 165);
    return qAlpha(c) == 0 ? 't' : offTan <= 9 ? 'n' : 'o';
}

// {file, size at 1x, GIF global colour table entries (0: a JPEG), its corner's kind}
using Picture = std::tuple<const char *, QSize, unsigned, char>;
using PictureFile = testing::TestWithParam<Picture>;

TEST_P(PictureFile, ReadsBackAsDrawnAtBothScales)
{
    const auto [file, size, colours, corner] = GetParam();
    for (const QString &path :
         {QString(":/") + file, QString(":/" + QString(file).replace('.', "@2x."))}) {
        SCOPED_TRACE(path.toStdString());
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), colours ? "gif" : "jpeg");
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), size * (path.contains('@') ? 2 : 1));
        const QByteArray b = bytes(path);
        if (colours) {
            EXPECT_EQ(b.left(6) + char(byteAt(b, 10) & 0x87),
                      QByteArray("GIF89a") + char(0x80 | (std::bit_width(colours) - 2)));
        }
        EXPECT_EQ(kind(image.pixel(0, 0)), corner);
    }
}

INSTANTIATE_TEST_SUITE_P(Assets, PictureFile,
                         testing::Values(Picture {"fondo.jpg", {293, 298}, 0, 'o'},
                                         Picture {"ficha1.jpg", {16, 25}, 0, 'n'},

                                         Picture {"logotipo.gif", {137, 32}, 256, 't'},
                                         Picture {"sonrisa.gif", {55, 40}, 64, 'o'}));

// Read byte by byte: Qt's decoding loses the colour count and the hot spot.
// {file, type (1 icon, 2 cursor), sizes of the entries, the first hot spot (x = y)}
using IconFile = std::tuple<const char *, unsigned, std::vector<unsigned>, unsigned>;
using IconAndCursor = testing::TestWithParam<IconFile>;

TEST_P(IconAndCursor, EntriesAreSixteenColourImagesWithTheirHotSpot)
{
    const auto [file, type, sizes, tip] = GetParam();
    const QByteArray b = bytes(QStringLiteral(":/") + file);
    ASSERT_GE(b.size(), 6 + 16 * qsizetype(sizes.size()));
    EXPECT_EQ(byteAt(b, 2, 4), type | unsigned(sizes.size()) << 16) << "type and entry count";
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const qsizetype entry = 6 + 16 * qsizetype(i);
        EXPECT_EQ(byteAt(b, entry, 3), sizes[i] * 0x101u | 16u << 16) << "width, height, colours";
        // a cursor's hot spot at the tip in every entry, in proportion to its size
        EXPECT_EQ(type == 2 ? byteAt(b, entry + 4, 4) : 0u, tip * sizes[i] / sizes[0] * 0x10001u);
    }
    const QImage first(QStringLiteral(":/") + file);
    ASSERT_EQ(first.size(), QSize(int(sizes[0]), int(sizes[0])));
    // A cursor's tip drawn dark where the hot spot is, the corner opposite clear.
    EXPECT_TRUE(type != 2 || (qGray(first.pixel(int(tip), int(tip))) < 64 &&
                              qAlpha(first.pixel(int(tip), int(tip))) == 255 &&
                              qAlpha(first.pixel(first.width() - 1, 0)) == 0));
}

INSTANTIATE_TEST_SUITE_P(Assets, IconAndCursor,
                         testing::Values(IconFile {"icono.ico", 1, {32}, 0},
                                         IconFile {"icono@2x.ico", 1, {64}, 0},
                                         IconFile {"mano.cur", 2, {32, 16}, 1},
                                         IconFile {"mano@2x.cur", 2, {64, 32}, 2}));

} // namespace
