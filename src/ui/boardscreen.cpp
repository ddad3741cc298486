// SPDX-License-Identifier: MIT
#include "boardscreen.h"

#include <QLabel>
#include <QPixmap>

#include "boardpicture.h"
#include "cursor.h"

namespace peg {

BoardScreen::BoardScreen(const Game &game) : game_(game)
{
    renderer_.setRefresh([this] { RefreshBoard(); });
}

void BoardScreen::attach(BoardPicture *board, QLabel *count, const std::array<QLabel *, 4> &tiles)
{
    board_ = board;
    count_ = count;
    tiles_ = tiles;
    count_->setAccessibleName(QStringLiteral("Pozostało: %1").arg(count_->text()));
    showTilePictures();
}

void BoardScreen::showTilePictures()
{
    for (Tile t : {Tile::Nieuzyt, Tile::Pusty, Tile::Pelny, Tile::Aktual})
        tiles_[std::size_t(t)]->setPixmap(QPixmap::fromImage(renderer_.tileImage(t)));
}

void BoardScreen::DrawTile(Tile tile, int col, int row)
{
    renderer_.DrawTile(tile, col, row);
}

void BoardScreen::RefreshBoard()
{
    const QRegion drawn = renderer_.takeDrawn();
    if (!drawn.isEmpty() && board_)
        board_->repaint(drawn);
}

void BoardScreen::DrawBoard()
{
    renderer_.DrawBoard(game_);
}

void BoardScreen::ShowCount(Int16 pegsLeft)
{
    count_->setText(QString::number(pegsLeft));
    count_->setAccessibleName(QStringLiteral("Pozostało: %1").arg(pegsLeft));
    count_->repaint();
    if (counted_)
        counted_();
}

QString BoardScreen::CellDescription(int col, int row) const
{
    const Int16 code = IsHole(col, row) ? game_.cell(col, row) : CELL_NONE;
    QString what = code == CELL_PEG ? QStringLiteral("pion") : code == CELL_EMPTY ? QStringLiteral("pusta dziurka")
                                                                                  : QStringLiteral("poza planszą");
    if (code == CELL_PEG && game_.hasSelection() && game_.selectedCol() == col && game_.selectedRow() == row)
        what += QStringLiteral(", zaznaczony");
    return QStringLiteral("kolumna %1, rząd %2: %3").arg(col).arg(row).arg(what);
}

void BoardScreen::describeCursor()
{
    // Qt tells screen readers of the change itself.
    board_->setAccessibleDescription(CellDescription(board_->cursor().col, board_->cursor().row));
}

} // namespace peg
