// SPDX-License-Identifier: MIT
#include "tilerenderer.h"

#include <QPainter>

#include <cstdlib>
#include <cstring>

#include "builtinpictures.h"
#include "deviceratio.h"

namespace peg {

namespace {

// Black until drawn. calloc hands back fresh zeroed pages without writing
// them, so the board's 705 KB are first touched when its cells are drawn,
// rather than once more before that by a fill the first DrawBoard covers.
QImage BlackBoard()
{
    void *bits = std::calloc(std::size_t(BOARD_PX) * BOARD_PX, 4);
    return QImage(static_cast<uchar *>(bits), BOARD_PX, BOARD_PX, BOARD_PX * 4, QImage::Format_RGB32, std::free, bits);
}

} // namespace

TileRenderer::TileRenderer()
    : board_(BlackBoard())
{
    cellTiles_.fill(-1);
    for (Tile t : {Tile::Nieuzyt, Tile::Pusty, Tile::Pelny, Tile::Aktual}) {
        setTilePicture(t, EmbeddedTile(t));
        builtin_[std::size_t(t)] = true;
    }
}

namespace {

QImage Holder(const QImage &picture, int side, QRgb background)
{
    QImage holder(side, side, QImage::Format_RGB32);
    holder.fill(background);
    if (!picture.isNull()) {
        QPainter p(&holder);
        p.drawImage(0, 0, picture);
    }
    return holder;
}

void CopyBlock(QImage &dst, int x, int y, const QImage &src)
{
    const int side = src.width();
    uchar *to = dst.bits() + qsizetype(y) * dst.bytesPerLine() + qsizetype(x) * 4;
    for (int line = 0; line < side; ++line)
        std::memcpy(to + qsizetype(line) * dst.bytesPerLine(), src.constScanLine(line), std::size_t(side) * 4);
}

} // namespace

QImage TileRenderer::HolderImage(const QImage &picture)
{
    return Holder(picture, TILE_PX, HOLDER_BACKGROUND);
}

void TileRenderer::setTilePicture(Tile tile, const QImage &picture, const QImage &twice)
{
    tiles_[std::size_t(tile)] = HolderImage(picture);
    twiceTiles_[std::size_t(tile)] = twice.isNull() ? QImage() : Holder(twice, 2 * TILE_PX, HOLDER_BACKGROUND);
    deviceTiles_[std::size_t(tile)] = QImage();
    builtin_[std::size_t(tile)] = false;
}

const QImage &TileRenderer::deviceImage(double ratio) const
{
    if (ratio <= 1)
        return board_;
    if (ratio != ratio_) {
        ratio_ = ratio;
        const int side = 7 * DeviceCellPx(ratio);
        device_ = QImage(side, side, QImage::Format_RGB32);
        device_.fill(Qt::black);
        device_.setDevicePixelRatio(ratio);
        deviceTiles_ = {};
        deviceStale_.set();
    }
    const int cell = DeviceCellPx(ratio);
    for (int i = 0; i < CELLS; ++i) {
        if (!deviceStale_[std::size_t(i)] || cellTiles_[std::size_t(i)] < 0)
            continue;
        const std::size_t t = std::size_t(cellTiles_[std::size_t(i)]);
        if (deviceTiles_[t].isNull()) {
            QImage twice = twiceTiles_[t];
            if (twice.isNull())
                twice = builtin_[t] ? EmbeddedTileTwice(Tile(t)) : tiles_[t].scaled(2 * TILE_PX, 2 * TILE_PX);
            deviceTiles_[t] = TileAtRatio(twice, ratio);
        }
        CopyBlock(device_, (i % 7) * cell, (i / 7) * cell, deviceTiles_[t]);
    }
    deviceStale_.reset();
    return device_;
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
    cellTiles_[std::size_t(CellIndex(col, row))] = int(tile);
    deviceStale_.set(std::size_t(CellIndex(col, row)));
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
