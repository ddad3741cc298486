// SPDX-License-Identifier: MIT
// The board in device pixels: every cell the tile for the screen's ratio,
// kept up to date cell by cell as the game draws.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>

#include <cstdio>

#include "builtinpictures.h"
#include "deviceratio.h"
#include "tilerenderer.h"

using namespace peg;

namespace {

QImage DeviceCell(const QImage &board, double ratio, int col, int row)
{
    const int side = DeviceCellPx(ratio);
    return board.copy((col - 1) * side, (row - 1) * side, side, side);
}

// The start: the cross of 33 holes, the centre empty.
Tile StartTile(int col, int row)
{
    if ((col < 3 || col > 5) && (row < 3 || row > 5))
        return Tile::Nieuzyt;
    return col == 4 && row == 4 ? Tile::Pusty : Tile::Pelny;
}

class DeviceBoard : public testing::TestWithParam<double> {};

TEST_P(DeviceBoard, HoldsTheTileForTheRatioInEveryCellAndFollowsEachDrawnCell)
{
    const double ratio = GetParam();
    TileRenderer renderer;
    Game game;
    game.NewGame();
    renderer.DrawBoard(game);
    const QImage logical = renderer.image();

    QElapsedTimer clock;
    clock.start();
    renderer.deviceImage(ratio);
    const qint64 firstUs = clock.nsecsElapsed() / 1000;
    {
        // A copy held here would make the next drawing copy the whole board.
        const QImage board = renderer.deviceImage(ratio);
        ASSERT_EQ(board.size(), QSize(7, 7) * DeviceCellPx(ratio));
        EXPECT_EQ(board.devicePixelRatio(), ratio);
        for (int col = 1; col <= 7; ++col)
            for (int row = 1; row <= 7; ++row)
                ASSERT_EQ(DeviceCell(board, ratio, col, row), TileAtRatio(EmbeddedTileTwice(StartTile(col, row)), ratio))
                    << col << "," << row;
    }

    // One cell drawn: only that cell changes.
    renderer.DrawTile(Tile::Aktual, 2, 4);
    clock.restart();
    renderer.deviceImage(ratio);
    const qint64 cellUs = clock.nsecsElapsed() / 1000;
    const QImage after = renderer.deviceImage(ratio);
    for (int col = 1; col <= 7; ++col)
        for (int row = 1; row <= 7; ++row) {
            const Tile t = col == 2 && row == 4 ? Tile::Aktual : StartTile(col, row);
            ASSERT_EQ(DeviceCell(after, ratio, col, row), TileAtRatio(EmbeddedTileTwice(t), ratio)) << col << "," << row;
        }
    // The 60-pixel image takes the 60-pixel tile there and keeps the rest.
    EXPECT_EQ(renderer.image().copy(60, 180, 60, 60), EmbeddedTile(Tile::Aktual));
    QImage expected = logical;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            expected.setPixel(60 + x, 180 + y, EmbeddedTile(Tile::Aktual).pixel(x, y));
    EXPECT_EQ(renderer.image(), expected);
    std::printf("ratio %g: whole board %lld us, one cell %lld us\n", ratio, firstUs, cellUs);
}

INSTANTIATE_TEST_SUITE_P(Ratios, DeviceBoard, testing::Values(1.25, 1.5, 2.0, 3.0));

TEST(DeviceBoard, AtRatioOneIsTheLogicalImage)
{
    TileRenderer renderer;
    Game game;
    game.NewGame();
    renderer.DrawBoard(game);
    EXPECT_EQ(&renderer.deviceImage(1.0), &renderer.image());
}

// A look picture with a 120-pixel picture shows it at 200 %; without one
// the 60-pixel picture is doubled, pixel for pixel, with no smoothing.
TEST(DeviceBoard, ShowsALooksTwicePictureOrDoublesItsPicture)
{
    QImage once(60, 60, QImage::Format_RGB32), twice(120, 120, QImage::Format_RGB32);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            once.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) & 255));
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x)
            twice.setPixel(x, y, qRgb(255 - x, y, 7));
    TileRenderer renderer;
    renderer.setTilePicture(Tile::Pelny, once, twice);
    renderer.setTilePicture(Tile::Pusty, once);
    renderer.DrawTile(Tile::Pelny, 3, 1);
    renderer.DrawTile(Tile::Pusty, 4, 1);
    const QImage board = renderer.deviceImage(2.0);
    EXPECT_EQ(DeviceCell(board, 2.0, 3, 1), twice);
    EXPECT_EQ(DeviceCell(board, 2.0, 4, 1), once.scaled(120, 120));
    EXPECT_EQ(DeviceCell(board, 2.0, 4, 1).pixel(119, 119), once.pixel(59, 59));
    // The logical image keeps the 60-pixel picture.
    EXPECT_EQ(renderer.image().copy(120, 0, 60, 60), once);
}

} // namespace
