// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QImage>

#include <array>
#include <cmath>
#include <set>
#include <utility>

#include "builtinpictures.h"
#include "builtintiles.h"
#include "colours.h"

using namespace peg;

namespace {

using Box = std::array<int, 4>;  // x0, x1, y0, y1
const Box NO_BOX{-1, -1, -1, -1};

// Bounding box of the pixels for which pred(x, y, colour) holds.
template <typename Pred>
Box BoundsOf(const QImage &img, Pred pred)
{
    Box b = NO_BOX;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (pred(x, y, img.pixel(x, y)))
                b = b[0] < 0 ? Box{x, x, y, y} : Box{std::min(b[0], x), std::max(b[1], x), std::min(b[2], y), std::max(b[3], y)};
    return b;
}

TEST(Tiles, Are60x60RgbTheSameEveryTimeAndDrawnOnlyInTheirArea)
{
    const QImage plain = BuiltinTile(Tile::Nieuzyt);
    for (auto [tile, area] : {std::pair{Tile::Nieuzyt, NO_BOX}, {Tile::Pusty, Box{20, 43, 18, 42}},
                              {Tile::Pelny, Box{9, 53, 6, 52}}, {Tile::Aktual, Box{7, 59, 2, 59}}}) {
        SCOPED_TRACE(int(tile));
        const QImage img = BuiltinTile(tile);
        ASSERT_EQ(img.size(), QSize(60, 60));
        EXPECT_EQ(img.format(), QImage::Format_RGB32);
        EXPECT_EQ(img, BuiltinTile(tile));
        EXPECT_EQ(BoundsOf(img, [&](int x, int y, QRgb c) { return c != plain.pixel(x, y); }), area);
    }
}

TEST(Background, IsUniformIndependentOchreGrain)
{
    const QImage img = BuiltinTile(Tile::Nieuzyt);
    int counts[61] = {};
    double sum = 0, squares = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            const QRgb c = img.pixel(x, y);
            const int v = qRed(c);
            ASSERT_TRUE(v >= 100 && v <= 160 && qGreen(c) == v - 51 && qBlue(c) == std::max(0, v - 153)) << x << "," << y;
            ++counts[v - 100];
            sum += v;
            if (x > 0)
                squares += std::pow(v - qRed(img.pixel(x - 1, y)), 2);
        }
    EXPECT_NEAR(sum / 3600, 130, 1.5);
    EXPECT_TRUE(*std::min_element(counts, counts + 61) > 25 && *std::max_element(counts, counts + 61) < 95);  // ~59 each
    // Independent neighbours differ by twice the variance (620) in mean square.
    EXPECT_NEAR(squares / (60 * 59), 620, 120);
}

TEST(Hole, IsAGreyBowlWithAFlatFloorAndLightRim)
{
    static const int levels[] = {152, 152, 152, 152, 152, 157, 163, 173, 190, 206, 216, 220, 222};
    const QImage img = BuiltinTile(Tile::Pusty);
    int greys = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            const QRgb c = img.pixel(x, y);
            if (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c))
                continue;
            ++greys;
            const double r = std::hypot(x - 31.5, y - 30.0);
            ASSERT_LE(r, 12.5) << x << "," << y;
            const int lo = levels[std::min(12, int(r))], hi = levels[std::min(12, int(std::ceil(r)))];
            EXPECT_TRUE(qRed(c) >= lo && qRed(c) <= hi) << x << "," << y << ": " << qRed(c);
        }
    EXPECT_EQ(greys, 456);
}

TEST(Icon, IsAnOpaqueDiscOnTransparencyWithACrossOf36Holes)
{
    const QImage img = BuiltinIcon();
    ASSERT_EQ(img.size(), QSize(32, 32));
    EXPECT_EQ(img.format(), QImage::Format_ARGB32);
    std::set<std::pair<int, int>> wantHoles, holes;
    for (int y : {4, 8, 12, 15, 18, 21, 24, 27})
        for (int x : {6, 9, 13, 17, 21, 24, 27})
            if ((y >= 12 && y <= 18) || (x >= 13 && x <= 21))
                wantHoles.insert({x, y});
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int alpha = qAlpha(img.pixel(x, y));
            const double r = std::hypot(x - 16.0, y - 15.5);
            EXPECT_TRUE((alpha == 0 || alpha == 255) && (r < 13.5 ? alpha : r < 15.5 || !alpha)) << x << "," << y;
            if (img.pixel(x, y) == qRgb(235, 235, 235))
                holes.insert({x, y});
        }
    EXPECT_EQ(BoundsOf(img, [](int, int, QRgb c) { return qAlpha(c) != 0; }), (Box{2, 30, 1, 30}));
    EXPECT_EQ(holes.size(), 36u);
    EXPECT_EQ(holes, wantHoles);
    EXPECT_EQ(img.pixel(16, 2), qRgb(124, 0, 0));  // the rim
}

TEST(Colours, ToByteRoundsHalvesUpAndClamps)
{
    for (auto [v, byte] : {std::pair{-3.0, 0}, {0.49, 0}, {0.5, 1}, {127.5, 128}, {254.49, 254}, {254.5, 255}, {1e20, 255}})
        EXPECT_EQ(ToByte(v), byte) << v;
}

// An opaque colour laid over another at coverage t is their mix at t.
TEST(Colours, OverAtCoverageIsTheMix)
{
    const BasicRgb<double> below{200, 100, 0}, top{0, 40, 255};
    for (double t : {0.0, 0.25, 0.5, 0.8, 1.0}) {
        BasicRgb<double> laid = below;
        Over(laid, Premul(top, t));
        const BasicRgb<double> mixed = Mix(below, top, t);
        EXPECT_NEAR(laid.r, mixed.r, 1e-9) << t;
        EXPECT_NEAR(laid.g, mixed.g, 1e-9) << t;
        EXPECT_NEAR(laid.b, mixed.b, 1e-9) << t;
        EXPECT_NEAR(laid.b, 255 * t, 1e-9) << t;
    }
    EXPECT_EQ(ToQRgb(Mix(below, top, 0.5)), qRgb(100, 70, 128));
}

// What the game carries must be what the drawing code draws, tile for tile.
TEST(Embedded, MatchesTheDrawnPictures)
{
    for (Tile t : {Tile::Nieuzyt, Tile::Pusty, Tile::Pelny, Tile::Aktual})
        EXPECT_EQ(EmbeddedTile(t), BuiltinTile(t)) << int(t);
}

TEST(Embedded, TwiceTheSizeMatchesTheDrawnPictures)
{
    for (Tile t : {Tile::Nieuzyt, Tile::Pusty, Tile::Pelny, Tile::Aktual})
        EXPECT_EQ(EmbeddedTileTwice(t), BuiltinTile(t, 2)) << int(t);
}

// The 120-pixel tiles: the 60-pixel tile's grain value for value, each on
// 2 by 2 pixels, wherever the tile shows bare board; in the same places
// as the 60-pixel tile's shapes, only with finer edges.
TEST(TilesTwice, KeepTheGrainAndTheShapesOfThe60PixelTiles)
{
    const QImage plain = BuiltinTile(Tile::Nieuzyt);
    for (auto [tile, area] : {std::pair{Tile::Nieuzyt, NO_BOX}, {Tile::Pusty, Box{20, 43, 18, 42}},
                              {Tile::Pelny, Box{9, 53, 6, 52}}, {Tile::Aktual, Box{7, 59, 2, 59}}}) {
        SCOPED_TRACE(int(tile));
        const QImage once = BuiltinTile(tile), twice = BuiltinTile(tile, 2);
        ASSERT_EQ(twice.size(), QSize(120, 120));
        EXPECT_EQ(twice.format(), QImage::Format_RGB32);
        const QImage plainTwice = BuiltinTile(Tile::Nieuzyt, 2);
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 120; ++x)
                ASSERT_EQ(plainTwice.pixel(x, y), plain.pixel(x / 2, y / 2)) << x << "," << y;
        // Drawn only where the 60-pixel tile is drawn, give or take an edge pixel.
        const Box b = BoundsOf(twice, [&](int x, int y, QRgb c) { return c != plainTwice.pixel(x, y); });
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(b[std::size_t(i)] / 2, area[std::size_t(i)], 1) << i;
        // Averaged back to 60 pixels, the picture is the 60-pixel one with softer edges.
        double diff = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) {
                int sum[3] = {};
                for (int j = 0; j < 2; ++j)
                    for (int i = 0; i < 2; ++i) {
                        const QRgb c = twice.pixel(2 * x + i, 2 * y + j);
                        sum[0] += qRed(c), sum[1] += qGreen(c), sum[2] += qBlue(c);
                    }
                const QRgb o = once.pixel(x, y);
                diff += std::abs(sum[0] / 4.0 - qRed(o)) + std::abs(sum[1] / 4.0 - qGreen(o)) + std::abs(sum[2] / 4.0 - qBlue(o));
            }
        EXPECT_LT(diff / (60 * 60 * 3), 2.0);
    }
}

} // namespace
