#include <gtest/gtest.h>

#include <QImage>

#include <array>
#include <cmath>
#include <set>
#include <utility>

#include "builtintiles.h"

using namespace peg;

namespace peg {
void PrintTo(Tile t, std::ostream *os) { *os << "tile " << int(t); }
} // namespace peg

namespace {

using Box = std::array<int, 4>;  // x0, x1, y0, y1
const Box kNone{-1, -1, -1, -1};

// Bounding box of the pixels for which pred(x, y, colour) holds.
template <typename Pred>
Box BoundsOf(const QImage &img, Pred pred)
{
    Box b = kNone;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (pred(x, y, img.pixel(x, y)))
                b = b[0] < 0 ? Box{x, x, y, y} : Box{std::min(b[0], x), std::max(b[1], x), std::min(b[2], y), std::max(b[3], y)};
    return b;
}

double Dist(QRgb c, QRgb d) { return std::hypot(qRed(c) - qRed(d), qGreen(c) - qGreen(d), qBlue(c) - qBlue(d)); }
auto Near(QRgb want, double tolerance) { return [=](int, int, QRgb c) { return Dist(c, want) < tolerance; }; }

const QRgb kGlass = qRgb(33, 33, 33), kShadow = qRgb(153, 51, 0), kGreen = qRgb(151, 202, 2), kCore = qRgb(253, 202, 201);

class TileFormat : public testing::TestWithParam<Tile> {};

TEST_P(TileFormat, Is60x60RgbAndTheSameEveryTime)
{
    const QImage img = BuiltinTile(GetParam());
    ASSERT_EQ(img.size(), QSize(60, 60));
    EXPECT_EQ(img.format(), QImage::Format_RGB32);
    EXPECT_EQ(img, BuiltinTile(GetParam()));
}
INSTANTIATE_TEST_SUITE_P(All, TileFormat, testing::Values(Tile::Nieuzyt, Tile::Pusty, Tile::Pelny, Tile::Aktual));

class DrawnArea : public testing::TestWithParam<std::pair<Tile, Box>> {};

TEST_P(DrawnArea, IsTheOnlyPlaceThatDiffersFromTheBackground)
{
    const QImage plain = BuiltinTile(Tile::Nieuzyt), img = BuiltinTile(GetParam().first);
    EXPECT_EQ(BoundsOf(img, [&](int x, int y, QRgb c) { return c != plain.pixel(x, y); }), GetParam().second);
}
INSTANTIATE_TEST_SUITE_P(Drawn, DrawnArea,
                         testing::Values(std::pair{Tile::Pusty, Box{20, 43, 18, 42}}, std::pair{Tile::Pelny, Box{9, 53, 6, 52}},
                                         std::pair{Tile::Aktual, Box{7, 59, 2, 59}}));

TEST(Background, IsUniformIndependentOchreGrain)
{
    const QImage img = BuiltinTile(Tile::Nieuzyt);
    int counts[61] = {};
    double sum[3] = {}, squares = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            const QRgb c = img.pixel(x, y);
            const int v = qRed(c);
            ASSERT_TRUE(v >= 100 && v <= 160 && qGreen(c) == v - 51 && qBlue(c) == std::max(0, v - 153)) << x << "," << y;
            ++counts[v - 100];
            sum[0] += v, sum[1] += qGreen(c), sum[2] += qBlue(c);
            if (x > 0)
                squares += std::pow(v - qRed(img.pixel(x - 1, y)), 2);
        }
    EXPECT_NEAR(sum[0] / 3600, 130, 1.5);
    EXPECT_NEAR(sum[1] / 3600, 79, 1.5);
    EXPECT_LT(sum[2] / 3600, 1.0);
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
    EXPECT_EQ(img.pixel(31, 30), qRgb(152, 152, 152));
    EXPECT_TRUE(qRed(img.pixel(20, 30)) >= 220 && qRed(img.pixel(31, 18)) >= 220);
}

TEST(Peg, HasGlassDiscShadowAndSwirl)
{
    const QImage plain = BuiltinTile(Tile::Nieuzyt), img = BuiltinTile(Tile::Pelny);
    EXPECT_EQ(BoundsOf(img, Near(kGlass, 0.5)), (Box{9, 47, 6, 47}));
    const Box shadow = BoundsOf(img, Near(kShadow, 0.5));
    EXPECT_TRUE(shadow[1] == 53 && shadow[3] == 52 && shadow[0] > 9 && shadow[2] > 6) << testing::PrintToString(shadow);
    const Box swirl = BoundsOf(img, [&](int x, int y, QRgb c) { return c != kGlass && c != kShadow && c != plain.pixel(x, y); });
    EXPECT_TRUE(swirl[0] >= 16 && swirl[1] <= 41 && swirl[2] >= 11 && swirl[3] <= 43) << testing::PrintToString(swirl);

    // Green over, left of and under the core, open to the right; orange on the core's upper right.
    const Box core = BoundsOf(img, Near(kCore, 12)), green = BoundsOf(img, Near(kGreen, 12));
    EXPECT_TRUE(green[0] < core[0] && green[2] < core[2] && green[3] > core[3]) << testing::PrintToString(green);
    const int mid = (core[2] + core[3]) / 2;
    EXPECT_EQ(BoundsOf(img, [&](int x, int y, QRgb c) { return y == mid && x > core[1] - 3 && Dist(c, kGreen) < 60; }), kNone);
    const Box orange = BoundsOf(img, [](int, int, QRgb c) { return qRed(c) > 150 && qGreen(c) * 3 < qRed(c) * 2 && qBlue(c) < 60; });
    EXPECT_TRUE(orange[1] > (core[0] + core[1]) / 2 && orange[2] < mid) << testing::PrintToString(orange);
}

TEST(SelectedPeg, IsSoftenedInADarkSmoothHalo)
{
    const QImage plain = BuiltinTile(Tile::Nieuzyt), peg = BuiltinTile(Tile::Pelny), sel = BuiltinTile(Tile::Aktual);
    // Along the disc's left edge: one hard step on the plain peg, a ramp of several pixels here.
    double pegStep = 0, selStep = 0, plainSum = 0, selSum = 0, plainRough = 0, selRough = 0;
    for (int x = 8; x < 16; ++x) {
        pegStep = std::max(pegStep, Dist(peg.pixel(x, 27), peg.pixel(x + 1, 27)));
        selStep = std::max(selStep, Dist(sel.pixel(x, 27), sel.pixel(x + 1, 27)));
    }
    EXPECT_TRUE(pegStep > 70 && selStep < 55) << pegStep << " / " << selStep;
    // Down the right edge the board is darker and smoother.
    for (int y = 2; y < 59; ++y) {
        plainSum += qRed(plain.pixel(59, y)), selSum += qRed(sel.pixel(59, y));
        plainRough += std::abs(qRed(plain.pixel(59, y)) - qRed(plain.pixel(59, y + 1)));
        selRough += std::abs(qRed(sel.pixel(59, y)) - qRed(sel.pixel(59, y + 1)));
    }
    EXPECT_TRUE(selSum < plainSum * 0.95 && selRough < plainRough * 0.6) << selSum << " " << selRough;

    // The swirl keeps its colours, within a pixel or two of where the peg has it.
    const Box green = BoundsOf(peg, Near(kGreen, 12)), selGreen = BoundsOf(sel, Near(kGreen, 25));
    EXPECT_TRUE(std::abs(selGreen[0] - green[0]) <= 2 && std::abs(selGreen[2] - green[2]) <= 2
                && std::abs(selGreen[3] - green[3]) <= 2) << testing::PrintToString(selGreen);
}

TEST(Icon, IsARedDiscWithRimPurpleLineAndCrossOfHoles)
{
    const QImage img = BuiltinIcon();
    ASSERT_EQ(img.size(), QSize(32, 32));
    EXPECT_EQ(img.format(), QImage::Format_ARGB32);
    const QRgb red = qRgb(155, 0, 0), rim = qRgb(124, 0, 0), purple = qRgb(128, 0, 128), hole = qRgb(235, 235, 235);
    std::set<std::pair<int, int>> wantHoles, holes;
    for (int y : {4, 8, 12, 15, 18, 21, 24, 27})
        for (int x : {6, 9, 13, 17, 21, 24, 27})
            if ((y >= 12 && y <= 18) || (x >= 13 && x <= 21))
                wantHoles.insert({x, y});

    auto opaque = [&](int x, int y) { return img.valid(x, y) && qAlpha(img.pixel(x, y)) != 0; };
    int purples = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb c = img.pixel(x, y);
            const double r = std::hypot(x - 16.0, y - 15.5);
            EXPECT_TRUE(r < 13.5 ? opaque(x, y) : r < 15.5 || !opaque(x, y)) << x << "," << y;  // a disc
            if (!opaque(x, y))
                continue;
            ASSERT_EQ(qAlpha(c), 255);
            const bool edge = !opaque(x - 1, y) || !opaque(x + 1, y) || !opaque(x, y - 1) || !opaque(x, y + 1);
            EXPECT_TRUE(edge ? c == rim : (c == red || c == rim || c == purple || c == hole)) << x << "," << y;
            if (c == hole)
                holes.insert({x, y});
            if (c == purple) {
                ++purples;
                EXPECT_TRUE(y >= 5 && r >= 11) << "purple off the sides and bottom at " << x << "," << y;
            }
        }
    EXPECT_EQ(BoundsOf(img, [](int, int, QRgb c) { return qAlpha(c) != 0; }), (Box{2, 30, 1, 30}));
    EXPECT_EQ(holes, wantHoles);
    EXPECT_TRUE(purples >= 40 && purples <= 65) << purples;  // a one-pixel line down the sides and along the bottom
}

} // namespace
