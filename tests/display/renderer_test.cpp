// SPDX-License-Identifier: MIT
// The board in device pixels: every cell the tile for the screen's ratio,
// kept up to date cell by cell as the game draws.
#include <gtest/gtest.h>

#include <QImage>

#include "builtinpictures.h"
#include "deviceratio.h"
#include "tilerenderer.h"

using namespace peg;

namespace {

QImage Cell(const QImage &board, int side, int col, int row)
{
    return board.copy((col - 1) * side, (row - 1) * side, side, side);
}

// The start: the cross of 33 holes, the centre empty.
Tile StartTile(int col, int row)
{
    return !IsHole(col, row) ? Tile::Nieuzyt : col == 4 && row == 4 ? Tile::Pusty : Tile::Pelny;
}

// Every cell of both images holds the start's tile, or the selected peg at
// (2, 4) once that is drawn.
void ExpectCells(const TileRenderer &renderer, double ratio, bool selected)
{
    const QImage &board = renderer.deviceImage(ratio);
    ASSERT_EQ(board.size(), QSize(7, 7) * DeviceCellPx(ratio));
    EXPECT_EQ(board.devicePixelRatio(), ratio);
    for (int col = 1; col <= 7; ++col)
        for (int row = 1; row <= 7; ++row) {
            const Tile t = selected && col == 2 && row == 4 ? Tile::Aktual : StartTile(col, row);
            ASSERT_EQ(Cell(board, DeviceCellPx(ratio), col, row), TileAtRatio(EmbeddedTileTwice(t), ratio))
                << col << "," << row;
            ASSERT_EQ(Cell(renderer.image(), 60, col, row), EmbeddedTile(t)) << col << "," << row;
        }
}

class DeviceBoard : public testing::TestWithParam<double> {};

TEST_P(DeviceBoard, HoldsTheTileForTheRatioInEveryCellAndFollowsEachDrawnCell)
{
    TileRenderer renderer;
    Game game;
    game.NewGame();
    renderer.DrawBoard(game);
    ExpectCells(renderer, GetParam(), false);
    renderer.DrawTile(Tile::Aktual, 2, 4);
    ExpectCells(renderer, GetParam(), true);
    EXPECT_EQ(&renderer.deviceImage(1.0), &renderer.image());  // at 100 % no second image
}

INSTANTIATE_TEST_SUITE_P(Ratios, DeviceBoard, testing::Values(1.25, 1.5, 2.0, 3.0));

// A look's picture without a 120-pixel one is doubled at 200 %, pixel for
// pixel, with no smoothing (records_test shows a look's 120-pixel pictures).
TEST(DeviceBoard, DoublesALooksPictureThatHasNoTwicePicture)
{
    const QImage once = EmbeddedTile(Tile::Aktual);  // a built-in picture, as a look would give it
    TileRenderer renderer;
    renderer.setTilePicture(Tile::Pusty, once);
    renderer.DrawTile(Tile::Pusty, 4, 1);
    const QImage &board = renderer.deviceImage(2.0);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(board.pixel(360 + x, y), once.pixel(x / 2, y / 2)) << x << "," << y;
}

} // namespace
