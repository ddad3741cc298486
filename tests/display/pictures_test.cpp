// SPDX-License-Identifier: MIT
// Pictures of board looks: each shows the cell-sized corner Qt would show,
// or the look is refused in the game's words, naming the picture.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "boardlook.h"
#include "gamefiles.h"
#include "pngcorner.h"

using namespace peg;

namespace {

// A picture whose every pixel differs, so a shifted or mixed-up corner shows.
QImage Pattern(QSize size, QImage::Format format = QImage::Format_RGB32)
{
    QImage img(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            img.setPixel(x, y, qRgba((x * 7) & 255, (y * 13) & 255, (x * y) & 255, 128 + ((x + y) & 127)));
    return img.convertToFormat(format);
}

QByteArray Encoded(const QImage &img, const char *format = "png", bool progressive = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(img)) << format;
    return buffer.data();
}

QByteArray Png(QSize size, QImage::Format format = QImage::Format_RGB32) { return Encoded(Pattern(size, format)); }

// The header of a GIF of that size with one empty image: no writer in Qt.
QByteArray Gif(int width, int height)
{
    const auto le16 = [](int v) { return QByteArray(1, char(v & 255)) + QByteArray(1, char(v >> 8)); };
    QByteArray gif = "GIF89a" + le16(width) + le16(height) + QByteArray("\x80\0\0", 3) + QByteArray(6, '\0');
    gif += "," + le16(0) + le16(0) + le16(width) + le16(height) + QByteArray("\0\x02\x01\x2c\0;", 7);
    return gif;
}

QByteArray Be32(qsizetype v) { return QByteArray(1, char(v >> 24)) + char(v >> 16) + char(v >> 8) + char(v); }

// An Apple icon holding one PNG: its size shows only once that is decoded.
QByteArray Icns(int side)
{
    QImage img(side, side, QImage::Format_RGB32);
    img.fill(Qt::darkGreen);
    const QByteArray png = Encoded(img);
    return "icns" + Be32(16 + png.size()) + "ic10" + Be32(8 + png.size()) + png;
}

// An 8-bit RGB PNG written here: Qt writes and reads at most a million
// pixels a side.
QByteArray BigPng(QSize size, bool interlaced = false)
{
    const QImage img = Pattern(size);
    // Adam7's passes (first column, first row, steps), or the rows in order.
    static const int adam7[][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                   {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    static const int plain[][4] = {{0, 0, 1, 1}};
    QByteArray rows;
    for (const auto &[x0, y0, dx, dy] : interlaced ? std::span<const int[4]>(adam7) : std::span<const int[4]>(plain))
        for (int y = y0; x0 < img.width() && y < img.height(); y += dy) {
            rows += '\0';  // no filter
            for (int x = x0; x < img.width(); x += dx) {
                const QRgb p = img.pixel(x, y);
                rows.append(char(qRed(p))).append(char(qGreen(p))).append(char(qBlue(p)));
            }
        }
    const auto chunk = [](const QByteArray &body) {
        return Be32(body.size() - 4) + body + Be32(crc32(0, reinterpret_cast<const Bytef *>(body.data()), uInt(body.size())));
    };
    return "\x89PNG\r\n\x1a\n" + chunk("IHDR" + Be32(size.width()) + Be32(size.height()) + QByteArray("\x08\x02\0\0", 4) +
                                        char(interlaced)) +
           chunk("IDAT" + qCompress(rows).mid(4)) + chunk("IEND");
}

// The corner of a picture; null for no picture.
QImage Corner(const QImage &img, int side)
{
    return img.copy(QRect(0, 0, side, side).intersected(img.rect())).convertToFormat(QImage::Format_ARGB32);
}
// The corner Qt shows.
QImage Corner(const QByteArray &bytes, int side) { return Corner(bytes.isNull() ? QImage() : QImage::fromData(bytes), side); }

// 16-bit channels may round the other way: at most a step apart.
testing::AssertionResult Near(const QImage &got, const QImage &want)
{
    if (got.size() != want.size())
        return testing::AssertionFailure() << "size " << got.width() << "x" << got.height();
    const QImage a = got.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = want.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                    std::abs(qAlpha(p) - qAlpha(q)) > 4)
                return testing::AssertionFailure() << "differs at " << x << "," << y;
        }
    return testing::AssertionSuccess();
}

TEST(BoardLookPictures, ShowTheCornerOfEachFormatOrAreRefusedInTheGamesWords)
{
    const QImage over = Pattern({MAX_WHOLE_DECODE_SIDE + 1, MAX_WHOLE_DECODE_SIDE});
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='60' height='60'/>";
    const char *tooLarge = "obrazek jest zbyt duży (1025 × 1024 pikseli)", *noReader = "nie jest obrazek w formacie";
    const struct {
        const char *what, *name;
        QByteArray bytes;
        const char *refusal = nullptr;  // null: read
        const char *twiceName = nullptr;
        QByteArray twice = {};
        off_t sparse = 0;  // the file made this long
        QSize shown = {};  // the picture's Pattern, where Qt cannot read it
    } rows[] = {
        {"PNG", "p.png", Png({100, 80})},
        {"PNG with alpha", "p.png", Png({90, 70}, QImage::Format_ARGB32)},
        {"PNG palette with transparency", "p.png", Png({90, 70}, QImage::Format_Indexed8)},
        {"PNG 16-bit grey", "p.png", Png({80, 80}, QImage::Format_Grayscale16)},
        {"PNG 16-bit RGBA", "p.png", Png({80, 80}, QImage::Format_RGBA64)},
        {"PNG one bit", "p.png", Png({64, 64}, QImage::Format_Mono)},
        {"PNG smaller than a cell", "p.png", Png({20, 30}, QImage::Format_ARGB32)},
        {"PNG wide, one row high", "p.png", Png({5600, 1})},
        {"interlaced PNG", "p.png", BigPng({100, 80}, true)},
        // Qt reads no side past a million; only the rows a cell shows are decoded.
        {"PNG higher than Qt reads", "p.png", BigPng({2, 1500000}), nullptr, nullptr, {}, 0, {2, 1500000}},
        {"PNG wider than Qt reads, one row at the limit", "p.png", BigPng({1 << 20, 1}), nullptr, nullptr, {}, 0, {1 << 20, 1}},
        {"PNG of two rows too wide", "p.png", BigPng({1500000, 2}), "zbyt duży (1500000 × 2 pikseli): z obrazka PNG"},
        {"interlaced PNG too wide", "p.png", BigPng({1500000, 2}, true), "zbyt duży (1500000 × 2 pikseli): w tym formacie"},
        {"PNG cut short", "p.png", Png({80, 80}).left(70), "obrazek jest uszkodzony"},
        {"sequential JPEG, large", "p.jpg", Encoded(Pattern({5000, 1000}), "jpeg")},
        {"BMP at the limit", "p.bmp", Encoded(Pattern({MAX_WHOLE_DECODE_SIDE, MAX_WHOLE_DECODE_SIDE}), "bmp")},
        {"GIF", "p.gif", Gif(100, 80)},
        {"WebP", "p.webp", Encoded(Pattern({100, 80}), "webp")},
        {"TIFF", "p.tif", Encoded(Pattern({100, 80}), "tiff")},
        {"WebP too large", "p.webp", Encoded(over, "webp"), tooLarge},
        {"TIFF too large, its directory at its end", "p.tif", Encoded(over, "tiff"), tooLarge},
        {"progressive JPEG too large", "p.jpg", Encoded(over, "jpeg", true), tooLarge},
        {"GIF too large", "p.gif", Gif(5790, 5790), "zbyt duży (5790 × 5790 pikseli)"},
        {"plain PGM too large", "p.pgm", "P2\n5790 5790\n255\n0 0 0\n", "zbyt duży (5790 × 5790 pikseli)"},
        // Refused by its start: the whole file is more than is ever read.
        {"PGM too large and too long", "p.pgm", "P5\n5790 5790\n255\n", "zbyt duży (5790 × 5790 pikseli)", nullptr,
         {}, off_t(MAX_PICTURE_FILE_BYTES) + 1},
        // No size until decoded: the decode itself is bounded.
        {"Apple icon too large", "p.icns", Icns(2000), "obrazek jest uszkodzony"},
        {"SVG, which no reader knows", "p.svg", svg, noReader},
        {"@2x PNG, larger", "p.png", Png({60, 60}), nullptr, "p@2x.png", Png({500, 300})},
        {"@2x PNG, smaller", "p.v2.png", Png({60, 60}), nullptr, "p.v2@2x.png", Png({80, 100})},
        {"@2x BMP named .png", "p.png", Png({60, 60}), nullptr, "p@2x.png", Encoded(Pattern({400, 400}), "bmp")},
        {"@2x PNG cut short", "p.png", Png({60, 60}), "obrazek jest uszkodzony", "p@2x.png", Png({120, 120}).left(70)},
        {"@2x SVG", "p.png", Png({60, 60}), noReader, "p@2x.png", svg},
        {"@2x, no extension, in a folder with a dot", "d.v2/p", Png({60, 60}), nullptr, "d.v2/p@2x", Png({130, 90})},
        {"@2x of a hidden file", ".p", Png({60, 60}), nullptr, ".p@2x", Png({120, 120})},
    };
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("kelb-pictures-" + std::to_string(::getpid()));
    const auto put = [&](const char *name, const QByteArray &bytes) {
        std::filesystem::create_directories((dir / name).parent_path());
        std::ofstream(dir / name, std::ios::binary).write(bytes.constData(), bytes.size());
        return (dir / name).string();
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        std::filesystem::remove_all(dir);
        BoardLookFile look;
        look.pelny = put(r.name, r.bytes);
        if (r.sparse)
            std::filesystem::resize_file(look.pelny, std::uintmax_t(r.sparse));
        if (r.twiceName)
            put(r.twiceName, r.twice);
        try {
            const BoardLookPictures p = LoadBoardLookPictures(look);
            EXPECT_FALSE(r.refusal) << "accepted";
            const QImage want = r.shown.isEmpty() ? Corner(r.bytes, 60) : Corner(Pattern(r.shown), 60);
            EXPECT_TRUE(Near(p.byTile[std::size_t(Tile::Pelny)], want));
            EXPECT_TRUE(Near(p.twice[std::size_t(Tile::Pelny)], Corner(r.twice, 120)));
        } catch (const BoardLookError &e) {
            const std::string what = e.what();
            EXPECT_TRUE(r.refusal && what.find(r.refusal) != std::string::npos && what.find("piona") != std::string::npos &&
                        what.find(r.twiceName ? r.twiceName : r.name) != std::string::npos)
                << what;
        }
    }
    std::filesystem::remove_all(dir);
}

// The corner reader keeps the bound itself, for whoever calls it first.
TEST(PngCorner, ReadsNoRowsPastTheBound)
{
    EXPECT_TRUE(ReadPngCorner(BigPng({(1 << 20) + 1, 1}), {60, 60}).isNull());
}

} // namespace
