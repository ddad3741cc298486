// SPDX-License-Identifier: MIT
#include "builtinpictures.h"

#include <QImageReader>
#include <QPixmap>
#include <QResource>

#include <array>

#include "builtintiles.h"

namespace peg {

namespace {

// Given a bare file name, Qt asks every image plugin (TIFF, WebP and the
// rest) whether it reads the format before trying its own readers, loading
// each plugin on the way: about a tenth of start-up. Naming the format with
// detection off goes straight to Qt's own BMP and PNG readers.
QImage ReadEmbedded(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

namespace {

// The four built-in tiles of one size, read once, when first asked for.
std::array<QImage, 4> ReadTiles(const char *suffix)
{
    std::array<QImage, 4> t;
    const char *names[] = {"nieuzyt", "pusty", "pelny", "aktual"};
    for (int i = 0; i < 4; ++i)
        t[i] = ReadEmbedded(QStringLiteral(":/builtin/%1%2.bmp").arg(QLatin1String(names[i]), QLatin1String(suffix)),
                            "bmp")
                   .convertToFormat(QImage::Format_RGB32);
    return t;
}

} // namespace

QImage EmbeddedTile(Tile tile)
{
    static const std::array<QImage, 4> tiles = ReadTiles("");
    return tiles[std::size_t(tile)];
}

QImage EmbeddedTileTwice(Tile tile)
{
    // Read only when a screen first needs them, so start-up at 100 % pays nothing.
    static const std::array<QImage, 4> tiles = ReadTiles("@2x");
    return tiles[std::size_t(tile)];
}

QImage EmbeddedIcon()
{
    return ReadEmbedded(QStringLiteral(":/builtin/icon.png"), "png").convertToFormat(QImage::Format_ARGB32);
}

QIcon EmbeddedIconAllSizes()
{
    QIcon icon;
    for (int size : ICON_SIZES) {
        const QByteArray pixels =
            QResource(QStringLiteral(":/builtin/icon-%1.rgba").arg(size)).uncompressedData();
        if (pixels.size() != qsizetype(size) * size * 4)
            continue;  // a build without it: the sizes left will do
        const QImage image(reinterpret_cast<const uchar *>(pixels.constData()), size, size, size * 4,
                           QImage::Format_RGBA8888);
        icon.addPixmap(QPixmap::fromImage(image));  // copies the pixels
    }
    return icon;
}

} // namespace peg
