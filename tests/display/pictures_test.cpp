// SPDX-License-Identifier: MIT
// Pictures of board looks: only the cell-sized corner is decoded where the
// format allows, and it is the same corner Qt would show.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "boardlook.h"
#include "gamefiles.h"
#include "pngcorner.h"

using namespace peg;

namespace {

// A picture whose every pixel differs, so a shifted or mixed-up corner shows.
QImage Pattern(QSize size, QImage::Format format)
{
    QImage img(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            img.setPixel(x, y, qRgba((x * 7) & 255, (y * 13) & 255, (x * y) & 255, 128 + ((x + y) & 127)));
    return img.convertToFormat(format);
}

QByteArray Encoded(const QImage &img, const char *format = "PNG")
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format);
    return buffer.data();
}

TEST(PngCorner, IsTheCornerQtDecodesForEveryKindOfPng)
{
    const QSize cell(60, 60);
    const struct {
        const char *what;
        QImage::Format format;
        QSize size;
    } cases[] = {
        {"RGB", QImage::Format_RGB32, {100, 80}},
        {"RGBA", QImage::Format_ARGB32, {100, 80}},
        {"palette with transparency", QImage::Format_Indexed8, {90, 70}},
        {"grey", QImage::Format_Grayscale8, {61, 61}},
        {"16-bit grey", QImage::Format_Grayscale16, {80, 80}},
        {"16-bit RGBA", QImage::Format_RGBA64, {80, 80}},
        {"one bit", QImage::Format_Mono, {64, 64}},
        {"smaller than a cell", QImage::Format_ARGB32, {20, 30}},
        {"wide and one row high", QImage::Format_RGB32, {5600, 1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray png = Encoded(Pattern(c.size, c.format));
        QImage expected = QImage::fromData(png, "PNG");
        ASSERT_FALSE(expected.isNull());
        expected = expected.copy(QRect(QPoint(0, 0), cell).intersected(expected.rect())).convertToFormat(QImage::Format_ARGB32);
        const QImage corner = ReadPngCorner(png, cell);
        ASSERT_EQ(corner.size(), expected.size());
        // 16-bit channels may round the other way: at most one step apart.
        for (int y = 0; y < corner.height(); ++y)
            for (int x = 0; x < corner.width(); ++x) {
                const QRgb a = corner.pixel(x, y), b = expected.pixel(x, y);
                ASSERT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) +
                              std::abs(qAlpha(a) - qAlpha(b)), 4)
                    << "at " << x << ", " << y;
            }
    }
    const QByteArray png = Encoded(Pattern({80, 80}, QImage::Format_RGB32));
    EXPECT_TRUE(ReadPngCorner(png.left(png.size() / 3), cell).isNull()) << "damaged within the rows read";
    EXPECT_TRUE(ReadPngCorner(Encoded(Pattern({80, 80}, QImage::Format_RGB32), "BMP"), cell).isNull());
}

// Four large pictures, made by a child process so that making them does not
// count in this process's peak memory.
TEST(BoardLookPictures, FourLargePicturesStayUnder200MBAndOneSecond)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("kelb-big-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const pid_t pid = ::fork();
    if (pid == 0) {
        QImage big(5600, 5600, QImage::Format_RGB32);
        big.fill(Qt::darkGreen);
        QPainter(&big).fillRect(0, 0, 60, 60, Qt::yellow);
        bool ok = big.save(QString::fromStdString((dir / "a.png").string()));
        ok = ok && big.save(QString::fromStdString((dir / "d.jpg").string()));
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (const char *copy : {"b.png", "c.png"})
        std::filesystem::copy_file(dir / "a.png", dir / copy);

    BoardLookFile look;
    look.aktual = (dir / "a.png").string();
    look.nieuzyt = (dir / "b.png").string();
    look.pelny = (dir / "c.png").string();
    look.pusty = (dir / "d.jpg").string();  // read by Qt, which cuts it while decoding
    QElapsedTimer clock;
    clock.start();
    const BoardLookPictures pictures = LoadBoardLookPictures(look);
    const qint64 ms = clock.elapsed();
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::filesystem::remove_all(dir);

    for (const QImage &p : pictures.byTile) {
        EXPECT_EQ(p.size(), QSize(60, 60));
        const QRgb corner = p.pixel(30, 30);  // a JPEG's yellow is only nearly yellow
        EXPECT_TRUE(qRed(corner) > 235 && qGreen(corner) > 235 && qBlue(corner) < 20) << std::hex << corner;
    }
    EXPECT_LT(usage.ru_maxrss, 200 * 1024) << "peak resident KiB";
    EXPECT_LT(ms, 1000);
    std::printf("four 5600x5600 pictures: %lld ms, peak resident %ld KiB\n", ms, usage.ru_maxrss);
}

} // namespace

namespace {

TEST(TwiceName, PutsAt2xBeforeTheLastExtensionOfTheFileName)
{
    const std::pair<const char *, const char *> cases[] = {
        {"a.png", "a@2x.png"},       {"kamien-pelny.png", "kamien-pelny@2x.png"},
        {"x.tar.webp", "x.tar@2x.webp"}, {"dir.v2/pic", "dir.v2/pic@2x"},
        {"bez", "bez@2x"},           {".ukryty", ".ukryty@2x"},
        {"d/.ukryty", "d/.ukryty@2x"}, {"", ""},
    };
    for (const auto &[name, twice] : cases)
        EXPECT_EQ(TwiceName(name), twice) << name;
}

// A folder of its own for one look's pictures, removed afterwards.
struct LookFolder {
    std::filesystem::path dir = std::filesystem::temp_directory_path()
                                / ("peg-twice-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
    LookFolder() { std::filesystem::create_directories(dir); }
    ~LookFolder() { std::filesystem::remove_all(dir); }
    std::string put(const std::string &name, const QByteArray &bytes) const
    {
        const std::string path = (dir / name).string();
        FILE *f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), f);
        std::fclose(f);
        return path;
    }
    static inline int count = 0;
};

QImage Solid(QSize size, QRgb colour)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// Each case: which @2x pictures lie beside the four, and what each tile gets.
TEST(BoardLookPictures, TakeThe120PixelCornerOfAnAt2xPictureBesideEach)
{
    struct Case {
        const char *format;  // of the @2x picture, or null for none
        QSize size;
        QSize expected;      // of the twice picture; 0 by 0 for none
    };
    const Case cases[] = {
        {nullptr, {}, {0, 0}},
        {"PNG", {120, 120}, {120, 120}},
        {"PNG", {500, 300}, {120, 120}},   // cut to the corner, as the 60-pixel one
        {"PNG", {80, 100}, {80, 100}},     // smaller: shown over the holder's background
        {"BMP", {400, 400}, {120, 120}},   // read by Qt, not by the PNG corner reader
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.format ? c.format : "none");
        LookFolder folder;
        BoardLookFile look;
        look.aktual = folder.put("a.png", Encoded(Solid({60, 60}, qRgb(1, 2, 3))));
        look.nieuzyt = folder.put("n.png", Encoded(Solid({60, 60}, qRgb(4, 5, 6))));
        look.pelny = folder.put("p.png", Encoded(Solid({60, 60}, qRgb(7, 8, 9))));
        look.pusty = folder.put("u.png", Encoded(Solid({60, 60}, qRgb(10, 11, 12))));
        if (c.format)
            folder.put("p@2x.png", Encoded(Pattern(c.size, QImage::Format_RGB32), c.format));
        const BoardLookPictures p = LoadBoardLookPictures(look);
        const QImage &twice = p.twice[std::size_t(Tile::Pelny)];
        EXPECT_EQ(twice.size(), c.expected);
        if (!c.expected.isEmpty()) {
            EXPECT_EQ(twice.convertToFormat(QImage::Format_RGB32),
                      Pattern(c.size, QImage::Format_RGB32).copy(QRect(QPoint(0, 0), c.expected)));
        }
        EXPECT_EQ(p.byTile[std::size_t(Tile::Pelny)].pixel(0, 0), qRgb(7, 8, 9));
        for (Tile t : {Tile::Aktual, Tile::Nieuzyt, Tile::Pusty})
            EXPECT_TRUE(p.twice[std::size_t(t)].isNull()) << int(t);
    }
}

// A damaged @2x picture refuses the whole look, naming the @2x file.
TEST(BoardLookPictures, RefuseALookWhoseAt2xPictureIsDamaged)
{
    const std::pair<const char *, QByteArray> cases[] = {
        {"a PNG cut short", Encoded(Pattern({120, 120}, QImage::Format_RGB32)).left(70)},
        {"not a picture", QByteArray("to nie obrazek")},
    };
    for (const auto &[what, bytes] : cases) {
        SCOPED_TRACE(what);
        LookFolder folder;
        BoardLookFile look;
        look.pelny = folder.put("p.png", Encoded(Solid({60, 60}, qRgb(7, 8, 9))));
        folder.put("p@2x.png", bytes);
        try {
            LoadBoardLookPictures(look);
            ADD_FAILURE() << "the look was accepted";
        } catch (const BoardLookError &e) {
            EXPECT_NE(std::string(e.what()).find("p@2x.png"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("piona"), std::string::npos) << e.what();
        }
    }
}

QByteArray Written(const QImage &img, const char *format, bool progressive = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(img)) << format;
    return buffer.data();
}

// The header of a GIF of that size with one empty image: no writer in Qt.
QByteArray GifHeader(int width, int height)
{
    const auto le16 = [](int v) { return QByteArray(1, char(v & 255)) + QByteArray(1, char(v >> 8)); };
    QByteArray gif = "GIF89a" + le16(width) + le16(height) + QByteArray("\x80\0\0", 3) + QByteArray(6, '\0');
    gif += "," + le16(0) + le16(0) + le16(width) + le16(height) + QByteArray("\0\x02\x01\x2c\0;", 7);
    return gif;
}

// Formats decoded whole are refused past the limit before decoding, saying
// the size; at the limit they are read; PNG and sequential JPEG, read in
// part, have no such limit.
TEST(BoardLookPictures, RefuseBeforeDecodingWhatWouldBeDecodedWholeAndTooLarge)
{
    const int side = MAX_WHOLE_DECODE_SIDE;
    const QImage over = Pattern({side + 1, side}, QImage::Format_RGB32);
    const struct {
        const char *what;
        QByteArray bytes;
        bool refused;
    } cases[] = {
        {"WebP", Written(over, "webp"), true},
        {"TIFF", Written(over, "tiff"), true},
        {"GIF", GifHeader(5790, 5790), true},
        {"plain PGM", "P2\n5790 5790\n255\n0 0 0\n", true},
        {"progressive JPEG", Written(over, "jpeg", true), true},
        {"BMP at the limit", Written(Pattern({side, side}, QImage::Format_RGB32), "bmp"), false},
        {"sequential JPEG", Written(Pattern({5000, 1000}, QImage::Format_RGB32), "jpeg"), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        LookFolder folder;
        BoardLookFile look;
        look.pelny = folder.put("p", c.bytes);
        try {
            const BoardLookPictures p = LoadBoardLookPictures(look);
            EXPECT_FALSE(c.refused);
            EXPECT_EQ(p.byTile[std::size_t(Tile::Pelny)].size(), QSize(60, 60));
        } catch (const BoardLookError &e) {
            EXPECT_TRUE(c.refused) << e.what();
            EXPECT_NE(std::string(e.what()).find("zbyt duży"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(" pikseli"), std::string::npos) << e.what();
        }
    }
}

// A large file whose header says too many pixels is refused for those,
// from its start, before the rest is read.
TEST(BoardLookPictures, ReadTheStartOfALargePictureFirst)
{
    LookFolder folder;
    BoardLookFile look;
    look.pelny = folder.put("p.pgm", "P5\n5790 5790\n255\n");
    ASSERT_EQ(::truncate(look.pelny.c_str(), off_t(MAX_PICTURE_FILE_BYTES) + 1), 0);  // past what is ever read whole
    try {
        LoadBoardLookPictures(look);
        ADD_FAILURE() << "the look was accepted";
    } catch (const BoardLookError &e) {
        EXPECT_NE(std::string(e.what()).find("5790 × 5790 pikseli"), std::string::npos) << e.what();
    }
}

} // namespace

namespace {

// A format no installed reader knows (SVG without Qt's SVG plugin, a
// made-up one) refuses the look in Polish, naming the picture; for the
// @2x picture as for the picture itself.
TEST(BoardLookPictures, RefuseAPictureInAFormatNoReaderKnows)
{
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='60' height='60'>"
                           "<rect width='60' height='60' fill='red'/></svg>";
    ASSERT_FALSE(QImageReader::supportedImageFormats().contains("svg")) << "the test needs a format Qt cannot read";
    const std::pair<const char *, const char *> cases[] = {{"p.svg", nullptr}, {"p.png", "p@2x.png"}};
    for (const auto &[name, twice] : cases) {
        SCOPED_TRACE(name);
        LookFolder folder;
        BoardLookFile look;
        if (twice) {
            look.pelny = folder.put(name, Encoded(Solid({60, 60}, qRgb(7, 8, 9))));
            folder.put(twice, svg);
        } else {
            look.pelny = folder.put(name, svg);
        }
        try {
            LoadBoardLookPictures(look);
            ADD_FAILURE() << "the look was accepted";
        } catch (const BoardLookError &e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(twice ? twice : name), std::string::npos) << what;
            EXPECT_NE(what.find("to nie jest obrazek w formacie, który gra umie odczytać"), std::string::npos) << what;
        }
    }
}

} // namespace
