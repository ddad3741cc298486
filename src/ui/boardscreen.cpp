// SPDX-License-Identifier: MIT
#include "boardscreen.h"

#include <QLabel>
#include <QPixmap>

#include <algorithm>

#include "boardpicture.h"
#include "cursor.h"
#include "gamewords.h"

namespace peg {

namespace {

QFont CounterFont()
{
    // Palatino Linotype, or the Palatino-like face Debian ships, in bold.
    // Naming the face that is there first, and taking its glyphs only,
    // spares fontconfig a search for substitutes: a tenth of start-up.
    QFont f;
    f.setFamilies({QStringLiteral("P052"), QStringLiteral("Palatino Linotype"), QStringLiteral("Palatino")});
    f.setStyleHint(QFont::Serif);
    f.setPointSize(12);
    f.setBold(true);
    f.setStyleName(QStringLiteral("Bold"));
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

} // namespace

BoardScreen::BoardScreen(const Game &game) : game_(game)
{
    renderer_.setRefresh([this] { RefreshBoard(); });
}

void BoardScreen::attach(BoardPicture *board, QLabel *caption, QLabel *count, const std::array<QLabel *, 4> &tiles)
{
    for (QLabel *l : {caption, count}) {
        l->setFont(CounterFont());
        // The design's box is lower than a 12-point bold line: grow it down
        // so the letters' feet show.
        l->resize(l->width(), std::max(l->height(), l->fontMetrics().height()));
    }
    board_ = board;
    count_ = count;
    tiles_ = tiles;
    count_->setAccessibleName(QString::fromStdString(PegsLeftName(count_->text().toInt())));
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
    if (!drawn.isEmpty() && board_) {
        board_->repaint(drawn);
        board_->cellsDrawn(drawn);
    }
}

void BoardScreen::DrawBoard()
{
    renderer_.DrawBoard(game_);
}

void BoardScreen::ShowCount(Int16 pegsLeft)
{
    count_->setText(QString::number(pegsLeft));
    count_->setAccessibleName(QString::fromStdString(PegsLeftName(pegsLeft)));
    count_->repaint();
    if (positionChanged_)
        positionChanged_();
}

QString BoardScreen::CellDescription(int col, int row) const
{
    const Int16 code = IsHole(col, row) ? game_.cell(col, row) : CELL_NONE;
    const bool selected = game_.hasSelection() && game_.selectedCol() == col && game_.selectedRow() == row;
    return QString::fromStdString(CellText(col, row, code, selected));
}

} // namespace peg
