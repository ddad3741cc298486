// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRegion>

#include <array>
#include <functional>
#include <utility>

#include "game.h"

namespace peg {

inline constexpr int TILE_PX = 60;
inline constexpr int BOARD_PX = 7 * TILE_PX;

// Owns the board's persistent off-screen image and the four tile pictures
// it copies from. Drawing never touches the screen; the refresh callback does.
class TileRenderer {
public:
    TileRenderer();

    // The holder keeps a tile picture as a box would: the picture from the
    // top-left corner over the box's own background, so a small or empty
    // picture shows background in the rest of the cell.
    void setTilePicture(Tile tile, const QImage &picture);
    const QImage &tileImage(Tile tile) const { return tiles_[std::size_t(tile)]; }

    void DrawTile(Tile tile, int col, int row);
    void DrawBoard(const Game &game);  // 49 cells, column by column, then one refresh

    const QImage &image() const { return board_; }

    // The part of the image drawn since the last call: a refresh only has to
    // put these cells on screen.
    QRegion takeDrawn() { return std::exchange(drawn_, QRegion()); }
    void setRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }

    static QImage HolderImage(const QImage &picture);
    static constexpr QRgb HOLDER_BACKGROUND = 0xfff0f0f0;

private:
    QImage board_;
    QRegion drawn_;
    std::array<QImage, 4> tiles_;
    std::function<void()> refresh_;
};

} // namespace peg
