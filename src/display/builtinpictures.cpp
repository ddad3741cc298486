// SPDX-License-Identifier: MIT
#include "builtinpictures.h"

#include <array>

namespace peg {

QImage EmbeddedTile(Tile tile)
{
    static const std::array<QImage, 4> tiles = [] {
        std::array<QImage, 4> t;
        const char *names[] = {"nieuzyt", "pusty", "pelny", "aktual"};
        for (int i = 0; i < 4; ++i)
            t[i] = QImage(QStringLiteral(":/builtin/%1.bmp").arg(QLatin1String(names[i])))
                       .convertToFormat(QImage::Format_RGB32);
        return t;
    }();
    return tiles[std::size_t(tile)];
}

QImage EmbeddedIcon()
{
    return QImage(QStringLiteral(":/builtin/icon.png")).convertToFormat(QImage::Format_ARGB32);
}

} // namespace peg
