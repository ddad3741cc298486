// SPDX-License-Identifier: MIT
// Pictures of board looks: only the cell-sized corner is decoded where the
// format allows, and it is the same corner Qt would show.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "boardlook.h"
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
