// SPDX-License-Identifier: MIT
#include "builtinpictures.h"

#include <QPixmap>
#include <QResource>

#include <array>

#include "builtintiles.h"
#include "tilerenderer.h"

namespace peg {

namespace {

// An embedded picture's pixels where they lie in the program, without a copy;
// a null image if the build carries no such picture, or one of another size.
QImage WrapEmbedded(const QString &path, int width, int height, QImage::Format format)
{
    const QResource resource(path);
    if (resource.compressionAlgorithm() != QResource::NoCompression || resource.size() != qint64(width) * height * 4)
        return {};
    return QImage(resource.data(), width, height, width * 4, format);
}

// The four built-in tiles of one size, found once, when first asked for.
std::array<QImage, 4> WrapTiles(const char *suffix, int side)
{
    std::array<QImage, 4> t;
    const char *names[] = {"nieuzyt", "pusty", "pelny", "aktual"};
    for (int i = 0; i < 4; ++i)
        t[i] = WrapEmbedded(QStringLiteral(":/builtin/%1%2.rgb32").arg(QLatin1String(names[i]), QLatin1String(suffix)),
                            side, side, QImage::Format_RGB32);
    return t;
}

} // namespace

QImage EmbeddedTile(Tile tile)
{
    static const std::array<QImage, 4> tiles = WrapTiles("", TILE_PX);
    return tiles[std::size_t(tile)];
}

QImage EmbeddedTileTwice(Tile tile)
{
    // Found only when a screen first needs them.
    static const std::array<QImage, 4> tiles = WrapTiles("@2x", 2 * TILE_PX);
    return tiles[std::size_t(tile)];
}

QIcon EmbeddedIconAllSizes()
{
    QIcon icon;
    for (int size : ICON_SIZES) {
        const QImage image =
            WrapEmbedded(QStringLiteral(":/builtin/icon-%1.argb32").arg(size), size, size, QImage::Format_ARGB32);
        if (image.isNull())
            continue;  // a build without it: the sizes left will do
        // Kept as they are, not premultiplied: X11 takes window icons in
        // this very format, so handing them over converts nothing.
        icon.addPixmap(QPixmap::fromImage(image, Qt::NoFormatConversion));
    }
    return icon;
}

} // namespace peg
