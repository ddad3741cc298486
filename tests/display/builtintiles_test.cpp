// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QIcon>
#include <QImage>

#include "builtinpictures.h"
#include "builtintiles.h"

using namespace peg;

namespace {

// At both sizes: what the game carries is what the drawing code draws, and
// a hole, a peg in it and a selected peg each show.
TEST(BuiltinTiles, AreCarriedAsDrawnAndShowHolePegAndSelection)
{
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        QImage tile[4];
        for (Tile t : {Tile::Nieuzyt, Tile::Pusty, Tile::Pelny, Tile::Aktual}) {
            tile[int(t)] = BuiltinTile(t, scale);
            EXPECT_EQ(tile[int(t)].size(), QSize(60, 60) * scale) << int(t);
            EXPECT_EQ(scale == 1 ? EmbeddedTile(t) : EmbeddedTileTwice(t), tile[int(t)]) << int(t);
        }
        const int c = 30 * scale;
        EXPECT_NE(tile[int(Tile::Pusty)].pixel(c, c), tile[int(Tile::Nieuzyt)].pixel(c, c));
        EXPECT_NE(tile[int(Tile::Pelny)].pixel(c, c), tile[int(Tile::Pusty)].pixel(c, c));
        EXPECT_NE(tile[int(Tile::Aktual)], tile[int(Tile::Pelny)]);
    }
    // The 120-pixel board keeps the 60-pixel grain, each value on 2 by 2 pixels.
    const QImage plain = BuiltinTile(Tile::Nieuzyt), twice = BuiltinTile(Tile::Nieuzyt, 2);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(twice.pixel(x, y), plain.pixel(x / 2, y / 2)) << x << "," << y;
}

// The window icon, the one place its pictures are checked: at every size
// the build draws, the embedded icon is the drawn one, that size, not blank.
TEST(BuiltinIcon, IsCarriedAsDrawnAtEverySize)
{
    int argc = 1;
    char name[] = "builtintiles_test", *argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    const QIcon icon = EmbeddedIconAllSizes();
    for (int size : ICON_SIZES) {
        SCOPED_TRACE(size);
        const QImage drawn = BuiltinIconAt(size).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(drawn.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(drawn.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(drawn.pixel(size / 2, size / 2)), 255);
        EXPECT_EQ(icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32), drawn);
    }
}

} // namespace
