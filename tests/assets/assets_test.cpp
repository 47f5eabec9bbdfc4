// Every picture, icon and cursor read back from the compiled-in resources, at 1x and 2x: what a
// player sees depends on their sizes, frames, colour tables and transparency, and on the tiles'
// background matching the tan of the buttons they sit on.

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Picture
{
    std::string file; // under ":/", the 1x name
    QByteArray format;
    QSize size; // at 1x
    int colourTable = 0; // GIF global colour table entries, 0 for other formats
    bool transparent = false;
};

void PrintTo(const Picture &p, std::ostream *os)
{
    *os << p.file;
}

QString at(const std::string &file, int scale)
{
    QString name = QString::fromStdString(file);
    if (scale == 2)
        name.insert(name.lastIndexOf('.'), QStringLiteral("@2x"));
    return QStringLiteral(":/") + name;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

unsigned u8(const QByteArray &b, qsizetype i)
{
    return static_cast<unsigned char>(b.at(i));
}
unsigned u16(const QByteArray &b, qsizetype i)
{
    return u8(b, i) | (u8(b, i + 1) << 8);
}
unsigned u32(const QByteArray &b, qsizetype i)
{
    return u16(b, i) | (u16(b, i + 2) << 16);
}

class App : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "assets_test";
        static char *argv[] = {name, nullptr};
        m_app = new QGuiApplication(argc, argv);
    }
    void TearDown() override { delete m_app; }

private:
    QGuiApplication *m_app = nullptr;
};

const auto *const app = ::testing::AddGlobalTestEnvironment(new App);

class PictureFile : public ::testing::TestWithParam<Picture>
{
};

TEST_P(PictureFile, ReadsBackAsDrawnAtBothScales)
{
    const Picture &p = GetParam();
    for (int scale : {1, 2}) {
        const QString path = at(p.file, scale);
        SCOPED_TRACE(path.toStdString());
        QImageReader reader(path);
        ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
        EXPECT_EQ(reader.format(), p.format);
        EXPECT_EQ(reader.imageCount() > 1 ? reader.imageCount() : 1, 1) << "one frame only";
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), p.size * scale);

        const QByteArray bytes = bytesOf(path);
        if (p.format == "gif") {
            ASSERT_GT(bytes.size(), 13);
            EXPECT_EQ(bytes.left(6), QByteArray("GIF89a"));
            const unsigned packed = u8(bytes, 10);
            ASSERT_TRUE(packed & 0x80) << "a global colour table";
            EXPECT_EQ(2 << (packed & 7), p.colourTable);
        }
        // The background shows through only where the picture says so.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)) == 0, p.transparent);
        if (p.transparent) {
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    opaque += qAlpha(image.pixel(x, y)) == 255;
            }
            EXPECT_GT(opaque, image.width() * image.height() / 5) << "the lettering itself";
        }
    }
}

std::vector<Picture> pictures()
{
    std::vector<Picture> list {
        {"fondo.jpg", "jpeg", {293, 298}},       {"banner.gif", "gif", {156, 48}, 256},
        {"tablero.gif", "gif", {150, 151}, 256}, {"logotipo.gif", "gif", {137, 32}, 256, true},
        {"sonrisa.gif", "gif", {55, 40}, 64},    {"logotipo_vertical.gif", "gif", {62, 224}, 256},
        {"web.gif", "gif", {206, 30}, 256},
    };
    return list;
}

std::string testName(const std::string &file)
{
    std::string n = file;
    for (char &c : n) {
        if (c == '.' || c == '@')
            c = '_';
    }
    return n;
}

std::string pictureName(const ::testing::TestParamInfo<Picture> &p)
{
    return testName(p.param.file);
}

INSTANTIATE_TEST_SUITE_P(Assets, PictureFile, ::testing::ValuesIn(pictures()), pictureName);

// Tiles 1 and 15 have fixed sizes; the others stay within the ranges that fit the 48-pixel face.
TEST(TileNumerals, SizesAndTanBackground)
{
    const QColor tan(247, 222, 165);
    for (int n = 1; n <= 15; ++n) {
        const std::string file = "ficha" + std::to_string(n) + ".jpg";
        QSize oneX;
        for (int scale : {1, 2}) {
            const QString path = at(file, scale);
            SCOPED_TRACE(path.toStdString());
            QImageReader reader(path);
            EXPECT_EQ(reader.format(), QByteArray("jpeg"));
            const QImage image = reader.read();
            ASSERT_FALSE(image.isNull());
            if (scale == 1) {
                oneX = image.size();
                if (n == 1)
                    EXPECT_EQ(oneX, QSize(16, 25));
                else if (n == 15)
                    EXPECT_EQ(oneX, QSize(31, 25));
                else if (n < 10) {
                    EXPECT_TRUE(oneX.width() >= 16 && oneX.width() <= 21) << oneX.width();
                    EXPECT_TRUE(oneX.height() >= 23 && oneX.height() <= 26) << oneX.height();
                } else {
                    EXPECT_TRUE(oneX.width() >= 29 && oneX.width() <= 34) << oneX.width();
                    EXPECT_TRUE(oneX.height() >= 25 && oneX.height() <= 26) << oneX.height();
                }
            } else {
                EXPECT_EQ(image.size(), oneX * 2);
            }
            const int w = image.width() - 1, h = image.height() - 1;
            for (QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
                const QColor c = image.pixelColor(corner);
                EXPECT_LE(std::abs(c.red() - tan.red()) + std::abs(c.green() - tan.green()) +
                              std::abs(c.blue() - tan.blue()),
                          9)
                    << "corner " << corner.x() << "," << corner.y() << " is " << c.red() << ","
                    << c.green() << "," << c.blue();
            }
        }
    }
}

struct IconEntry
{
    int size;
    QPoint hotSpot; // cursors only
};

struct IconFile
{
    std::string file;
    int type; // 1 icon, 2 cursor
    std::vector<IconEntry> entries;
};

void PrintTo(const IconFile &p, std::ostream *os)
{
    *os << p.file;
}

class IconAndCursor : public ::testing::TestWithParam<IconFile>
{
};

// The directory is read byte by byte: the 16-colour depth and the cursor's hot spot are lost once
// Qt has decoded the images.
TEST_P(IconAndCursor, EntriesAreSixteenColourImagesWithTheirHotSpot)
{
    const IconFile &p = GetParam();
    const QString path = at(p.file, 1);
    const QByteArray b = bytesOf(path);
    ASSERT_GE(b.size(), 6);
    EXPECT_EQ(u16(b, 2), unsigned(p.type));
    ASSERT_EQ(u16(b, 4), p.entries.size());
    for (size_t i = 0; i < p.entries.size(); ++i) {
        const IconEntry &e = p.entries[i];
        SCOPED_TRACE(e.size);
        const qsizetype dir = 6 + 16 * qsizetype(i);
        ASSERT_GE(b.size(), dir + 16);
        EXPECT_EQ(u8(b, dir), unsigned(e.size));
        EXPECT_EQ(u8(b, dir + 1), unsigned(e.size));
        EXPECT_EQ(u8(b, dir + 2), 16u) << "colour count";
        if (p.type == 2) {
            EXPECT_EQ(QPoint(int(u16(b, dir + 4)), int(u16(b, dir + 6))), e.hotSpot);
        }
        const qsizetype image = u32(b, dir + 12);
        ASSERT_GE(b.size(), image + 40);
        EXPECT_EQ(u32(b, image + 4), unsigned(e.size)) << "bitmap width";
        EXPECT_EQ(u16(b, image + 14), 4u) << "bits per pixel";
    }

    QImageReader reader(path);
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    const QImage first = reader.read();
    ASSERT_EQ(first.size(), QSize(p.entries[0].size, p.entries[0].size));
    if (p.type == 2) {
        // The tip of the stick is drawn where the hot spot is, and the corner opposite is clear.
        const QPoint hot = p.entries[0].hotSpot;
        EXPECT_EQ(qAlpha(first.pixel(hot)), 255);
        EXPECT_LT(qGray(first.pixel(hot)), 64);
        EXPECT_EQ(qAlpha(first.pixel(first.width() - 1, 0)), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Assets, IconAndCursor,
    ::testing::Values(IconFile {"icono.ico", 1, {{32, {}}}},
                      IconFile {"icono@2x.ico", 1, {{64, {}}}},
                      IconFile {"mano.cur", 2, {{32, {1, 1}}, {16, {0, 0}}}},
                      IconFile {"mano@2x.cur", 2, {{64, {2, 2}}, {32, {1, 1}}}}),
    [](const ::testing::TestParamInfo<IconFile> &p) { return testName(p.param.file); });

} // namespace
