// SPDX-License-Identifier: MIT
#include "game.h"

#include <optional>
#include <string>

namespace peg {

namespace {

bool InBoard(int col, int row)
{
    return col >= 0 && col <= BOARD_LAST && row >= 0 && row <= BOARD_LAST;
}

void CheckBoardIndex(int col, int row)
{
    if (!InBoard(col, row))
        throw IndexError("board index (" + std::to_string(col) + ", " + std::to_string(row) + ") outside 0..9");
}

void CheckLogSlot(int slot)
{
    if (slot < 0 || slot > LOG_LAST_SLOT)
        throw IndexError("move log slot " + std::to_string(slot) + " outside 0.." + std::to_string(LOG_LAST_SLOT));
}

void CheckMoves(std::span<const Move> moves)
{
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Move &m = moves[i];
        if (!InGameArea(m.fromCol, m.fromRow) || !InGameArea(m.toCol, m.toRow))
            throw std::invalid_argument("recorded move " + std::to_string(i + 1) + " (" + std::to_string(m.fromCol) +
                                        ", " + std::to_string(m.fromRow) + " -> " + std::to_string(m.toCol) + ", " +
                                        std::to_string(m.toRow) + ") leaves 1..7");
    }
}

} // namespace

StartPosition CentralStart()
{
    const Grid holes = Board::Of(Shape::English).holes();
    return {holes, holes & ~GridCell(CENTRE.col, CENTRE.row)};
}

void Game::SetStart(const StartPosition &start)
{
    const int pegs = GridPegs(start.pegs);
    if ((start.pegs & ~start.holes) || pegs < 1 || pegs > LOG_LAST_SLOT || (start.holes >> GRID_SIDE * GRID_SIDE))
        throw std::invalid_argument("start of " + std::to_string(pegs) + " pegs does not fit the board");
    start_ = start;
}

Move SlotMove(const MoveLog &log, int slot)
{
    CheckLogSlot(slot);
    const auto &s = log[slot];
    return {s[fromCol], s[fromRow], s[toCol], s[toRow]};
}

Int16 Game::cell(int col, int row) const
{
    CheckBoardIndex(col, row);
    return board_[col][row];
}

Int16 &Game::at(int col, int row)
{
    CheckBoardIndex(col, row);
    return board_[col][row];
}

void Game::logMove(int slot, const Move &m)
{
    CheckLogSlot(slot);
    auto &s = moveLog_[slot];
    s[fromCol] = m.fromCol, s[fromRow] = m.fromRow, s[toCol] = m.toCol, s[toRow] = m.toRow;
}

void Game::setSelection(bool flag, Int16 col, Int16 row)
{
    selection_ = {Int16(flag ? 1 : 0), col, row};
}

void Game::draw(Tile tile, int col, int row)
{
    if (view_)
        view_->DrawTile(tile, col, row);
}

void Game::refresh()
{
    if (view_)
        view_->RefreshBoard();
}

void Game::NewGame()
{
    pegsLeft_ = startPegs();
    redoLeft_ = 0;
    if (view_)
        view_->ShowCount(pegsLeft_);
    selection_[0] = 0;
    for (int col = GAME_FIRST; col <= GAME_LAST; ++col)
        for (int row = GAME_FIRST; row <= GAME_LAST; ++row)
            at(col, row) = !(start_.holes & GridCell(col, row)) ? CELL_NONE
                           : start_.pegs & GridCell(col, row)    ? CELL_PEG
                                                                 : CELL_EMPTY;
    if (view_)
        view_->DrawBoard();
}

bool Game::IsLegalJump(int selCol, int selRow, int col, int row) const
{
    // A target off the grid (only a replayed move can name one) is not read.
    // An empty hole is on the cross, so the cell a jump into it goes over is
    // on the grid.
    if (!InBoard(col, row) || cell(col, row) != CELL_EMPTY)
        return false;
    const std::optional<CellPos> over = JumpedCell({selCol, selRow}, {col, row});
    return over && cell(over->col, over->row) == CELL_PEG;
}

ClickResult Game::CellClicked(int col, int row)
{
    if (!InBoard(col, row))
        return ClickResult::Ignored;

    ClickResult result = ClickResult::Ignored;
    const Int16 clicked = cell(col, row);
    if (clicked == CELL_PEG) {
        if (hasSelection()) {
            draw(Tile::Pelny, selectedCol(), selectedRow());
            refresh();
        }
        draw(Tile::Aktual, col, row);
        refresh();
        setSelection(true, Int16(col), Int16(row));
        result = ClickResult::Selected;
    }

    // A peg clicked is selected now, and a jump onto itself is none.
    if (!hasSelection() || !IsLegalJump(selectedCol(), selectedRow(), col, row))
        return result;

    // A selection only ever lands on a peg of the cross (no setter can put it
    // elsewhere), and a jump needs two pegs, so pegsLeft is at least 2 here.
    const int fromC = selectedCol();
    const int fromR = selectedRow();

    draw(Tile::Pusty, fromC, fromR);
    at(fromC, fromR) = CELL_EMPTY;
    refresh();

    draw(Tile::Pelny, col, row);
    at(col, row) = CELL_PEG;
    const CellPos over = *JumpedCell({fromC, fromR}, {col, row});
    draw(Tile::Pusty, over.col, over.row);
    at(over.col, over.row) = CELL_EMPTY;
    refresh();

    pegsLeft_ = Int16(pegsLeft_ - 1);
    logMove(pegsLeft_, {Int16(fromC), Int16(fromR), Int16(col), Int16(row)});
    setSelection(false, Int16(col), Int16(row));
    redoLeft_ = 0;
    if (view_)
        view_->ShowCount(pegsLeft_);
    return ClickResult::Moved;
}

void Game::DropSelection()
{
    if (!hasSelection())
        return;
    draw(Tile::Pelny, selectedCol(), selectedRow());
    refresh();
    selection_[0] = 0;
}

bool Game::CanUndo() const
{
    if (pegsLeft_ >= startPegs())
        return false;
    const Move m = SlotMove(moveLog_, pegsLeft_);
    const std::optional<CellPos> over = JumpedCell(m.from(), m.to());
    // Moves logged by play always fit; a recorded game loaded over a played
    // one need not, and its move must not put pegs where there is no hole.
    return over && cell(m.fromCol, m.fromRow) == CELL_EMPTY && cell(over->col, over->row) == CELL_EMPTY &&
           cell(m.toCol, m.toRow) == CELL_PEG;
}

bool Game::Undo()
{
    if (!CanUndo())
        return false;
    const Move m = SlotMove(moveLog_, pegsLeft_);
    const CellPos over = *JumpedCell(m.from(), m.to());

    // The move's own drawing run backwards; the highlight goes in the same refresh.
    if (hasSelection())
        draw(Tile::Pelny, selectedCol(), selectedRow());
    draw(Tile::Pusty, m.toCol, m.toRow);
    at(m.toCol, m.toRow) = CELL_EMPTY;
    draw(Tile::Pelny, over.col, over.row);
    at(over.col, over.row) = CELL_PEG;
    refresh();

    draw(Tile::Pelny, m.fromCol, m.fromRow);
    at(m.fromCol, m.fromRow) = CELL_PEG;
    refresh();

    pegsLeft_ = Int16(pegsLeft_ + 1);
    redoLeft_ = Int16(redoLeft_ + 1);
    selection_[0] = 0;
    if (view_)
        view_->ShowCount(pegsLeft_);
    return true;
}

bool Game::Redo()
{
    if (!CanRedo())
        return false;
    // Nothing changes the board between an undo and its redo without ending
    // the list, so the move is legal again and both clicks take.
    const Move m = SlotMove(moveLog_, pegsLeft_ - 1);
    const Int16 left = Int16(redoLeft_ - 1);
    CellClicked(m.fromCol, m.fromRow);
    CellClicked(m.toCol, m.toRow);
    redoLeft_ = left;  // the click's move ended the list; the rest stays
    return true;
}

void Game::LoadRecordedMoves(Int16 pegsLeft, std::span<const Move> moves)
{
    // A counter above the start asks for a negative number of moves: refused too.
    if (pegsLeft < 1 || moves.size() != std::size_t(startPegs() - pegsLeft))
        throw std::invalid_argument("recorded game holds " + std::to_string(moves.size()) +
                                    " moves for the counter " + std::to_string(pegsLeft));
    CheckMoves(moves);
    // Everything is checked first: a refused game leaves the old log whole.
    replayTarget_ = pegsLeft;
    redoLeft_ = 0;  // their slots are overwritten
    int slot = startPegs() - 1;
    for (const Move &m : moves)
        logMove(slot--, m);
}

void Game::LoadMovesFromHere(std::span<const Move> moves)
{
    if (moves.size() >= std::size_t(pegsLeft_))
        throw std::invalid_argument(std::to_string(moves.size()) + " moves from " + std::to_string(pegsLeft_) + " pegs");
    CheckMoves(moves);
    replayTarget_ = Int16(pegsLeft_ - Int16(moves.size()));
    redoLeft_ = 0;
    int slot = pegsLeft_ - 1;
    for (const Move &m : moves)
        logMove(slot--, m);
}

RecordedMoveResult Game::PlayNextRecordedMove()
{
    if (replayTarget_ >= pegsLeft_)
        return RecordedMoveResult::NoneLeft;
    const Move m = SlotMove(moveLog_, pegsLeft_ - 1);
    // Log coordinates are 1..7 (0 in a slot never written) and pegs stand
    // only on the cross, so a peg here is a peg on the cross. A move out of
    // an empty hole would lower the counter without taking a peg off the board.
    if (cell(m.fromCol, m.fromRow) != CELL_PEG)
        return RecordedMoveResult::Refused;
    setSelection(true, m.fromCol, m.fromRow);
    const ClickResult r = CellClicked(m.toCol, m.toRow);
    selection_[0] = 0;
    return r == ClickResult::Moved ? RecordedMoveResult::Played : RecordedMoveResult::Refused;
}

} // namespace peg
