// SPDX-License-Identifier: MIT
#include "tilerenderer.h"

#include <QPainter>

#include <cstring>

#include "builtinpictures.h"

namespace peg {

TileRenderer::TileRenderer()
    : board_(BOARD_PX, BOARD_PX, QImage::Format_RGB32)
{
    board_.fill(Qt::black);
    for (Tile t : {Tile::Nieuzyt, Tile::Pusty, Tile::Pelny, Tile::Aktual})
        setTilePicture(t, EmbeddedTile(t));
}

QImage TileRenderer::HolderImage(const QImage &picture)
{
    QImage holder(TILE_PX, TILE_PX, QImage::Format_RGB32);
    holder.fill(HOLDER_BACKGROUND);
    if (!picture.isNull()) {
        QPainter p(&holder);
        p.drawImage(0, 0, picture);
    }
    return holder;
}

void TileRenderer::setTilePicture(Tile tile, const QImage &picture)
{
    tiles_[std::size_t(tile)] = HolderImage(picture);
}

void TileRenderer::DrawTile(Tile tile, int col, int row)
{
    if (!InGameArea(col, row))
        return;  // nothing lies there to draw into
    // A plain copy of the tile's 60 rows: both images are 32-bit RGB.
    const QImage &src = tiles_[std::size_t(tile)];
    uchar *dst = board_.bits() + (row - 1) * TILE_PX * board_.bytesPerLine() + (col - 1) * TILE_PX * 4;
    for (int y = 0; y < TILE_PX; ++y)
        std::memcpy(dst + y * board_.bytesPerLine(), src.constScanLine(y), TILE_PX * 4);
    drawn_ += QRect((col - 1) * TILE_PX, (row - 1) * TILE_PX, TILE_PX, TILE_PX);
}

void TileRenderer::DrawBoard(const Game &game)
{
    for (int col = GAME_FIRST; col <= GAME_LAST; ++col) {
        for (int row = GAME_FIRST; row <= GAME_LAST; ++row) {
            const Int16 c = game.cell(col, row);
            if (c == CELL_NONE)
                DrawTile(Tile::Nieuzyt, col, row);
            if (c == CELL_EMPTY)
                DrawTile(Tile::Pusty, col, row);
            if (c == CELL_PEG)
                DrawTile(Tile::Pelny, col, row);
        }
    }
    if (refresh_)
        refresh_();
}

} // namespace peg
