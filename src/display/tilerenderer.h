// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRegion>

#include <array>
#include <bitset>
#include <functional>
#include <utility>

#include "game.h"
#include "tilesize.h"

namespace peg {

inline constexpr int BOARD_PX = 7 * TILE_PX;

// Owns the board's persistent off-screen image and the four tile pictures
// it copies from. Drawing never touches the screen; the refresh callback does.
class TileRenderer {
public:
    TileRenderer();

    // The holder keeps a tile picture as a box would: the picture from the
    // top-left corner over the box's own background, so a small or empty
    // picture shows background in the rest of the cell.
    // twice is the picture for screens above 100 %, read at 120 by 120;
    // without one the picture is doubled without smoothing.
    void setTilePicture(Tile tile, const QImage &picture, const QImage &twice = QImage());
    const QImage &tileImage(Tile tile) const { return tiles_[std::size_t(tile)]; }

    void DrawTile(Tile tile, int col, int row);
    void DrawBoard(const Game &game);  // 49 cells, column by column, then one refresh

    const QImage &image() const { return board_; }

    // The same board in device pixels for a screen at this ratio, with its
    // device pixel ratio set, so painting it maps one pixel to one pixel.
    // At 1 it is image(). Cells drawn since the last call are copied on the
    // way; a new ratio redraws every cell.
    const QImage &deviceImage(double ratio) const;

    // The part of the image drawn since the last call: a refresh only has to
    // put these cells on screen.
    QRegion takeDrawn() { return std::exchange(drawn_, QRegion()); }
    void setRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }

    static QImage HolderImage(const QImage &picture);
    static constexpr QRgb HOLDER_BACKGROUND = 0xfff0f0f0;

private:
    static constexpr int CELLS = 7 * 7;
    static int CellIndex(int col, int row) { return (row - 1) * 7 + (col - 1); }

    QImage board_;
    QRegion drawn_;
    std::array<QImage, 4> tiles_;
    std::array<QImage, 4> twiceTiles_;  // 120 by 120 holders
    std::array<bool, 4> builtin_{};    // its large picture is read once a screen needs it
    std::array<int, CELLS> cellTiles_;  // -1 where nothing is drawn yet

    // The device-pixel board is made on demand from the cells' tiles.
    mutable double ratio_ = 0;
    mutable QImage device_;
    mutable std::array<QImage, 4> deviceTiles_;
    mutable std::bitset<CELLS> deviceStale_;
    std::function<void()> refresh_;
};

} // namespace peg
