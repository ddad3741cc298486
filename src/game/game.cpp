// SPDX-License-Identifier: MIT
#include "game.h"

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

void CheckLogIndex(int slot, int entry)
{
    if (slot < 0 || slot > LOG_LAST_SLOT || entry < 0 || entry > LOG_LAST_ENTRY)
        throw IndexError("move log index (" + std::to_string(slot) + ", " + std::to_string(entry) + ") outside bounds");
}

} // namespace

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

Int16 Game::logEntry(int slot, int entry) const
{
    CheckLogIndex(slot, entry);
    return moveLog_[slot][entry];
}

void Game::setLogEntry(int slot, int entry, Int16 value)
{
    CheckLogIndex(slot, entry);
    moveLog_[slot][entry] = value;
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
    pegsLeft_ = START_PEGS;
    redoLeft_ = 0;
    if (view_)
        view_->ShowCount(pegsLeft_);
    selection_[0] = 0;
    for (int col = GAME_FIRST; col <= GAME_LAST; ++col) {
        for (int row = GAME_FIRST; row <= GAME_LAST; ++row) {
            Int16 &c = at(col, row);
            c = CELL_NONE;
            if (col > 2 && col < 6)
                c = CELL_PEG;
            if (row > 2 && row < 6)
                c = CELL_PEG;
        }
    }
    at(4, 4) = CELL_EMPTY;
    if (view_)
        view_->DrawBoard();
}

bool Game::IsLegalJump(int selCol, int selRow, int col, int row) const
{
    // Every test reads a neighbour of the target; a target whose neighbours
    // fall off the grid (only a replayed move can name one) is never legal.
    if (!InBoard(col - 1, row - 1) || !InBoard(col + 1, row + 1))
        return false;
    bool legal = false;
    if (cell(col + 1, row) == CELL_PEG && selCol == col + 2 && selRow == row)
        legal = true;
    if (cell(col - 1, row) == CELL_PEG && selCol == col - 2 && selRow == row)
        legal = true;
    if (cell(col, row + 1) == CELL_PEG && selRow == row + 2 && selCol == col)
        legal = true;
    if (cell(col, row - 1) == CELL_PEG && selRow == row - 2 && selCol == col)
        legal = true;
    return legal;
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

    const bool legal = IsLegalJump(selectedCol(), selectedRow(), col, row);
    if (clicked != CELL_EMPTY || !hasSelection() || !legal)
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
    const int midC = (fromC + col) / 2;
    const int midR = (fromR + row) / 2;
    draw(Tile::Pusty, midC, midR);
    at(midC, midR) = CELL_EMPTY;
    refresh();

    pegsLeft_ = Int16(pegsLeft_ - 1);
    setLogEntry(pegsLeft_, fromCol, Int16(fromC));
    setLogEntry(pegsLeft_, fromRow, Int16(fromR));
    setLogEntry(pegsLeft_, toCol, Int16(col));
    setLogEntry(pegsLeft_, toRow, Int16(row));
    setSelection(false, Int16(col), Int16(row));
    redoLeft_ = 0;
    if (view_)
        view_->ShowCount(pegsLeft_);
    return ClickResult::Moved;
}

bool Game::CanUndo() const
{
    if (pegsLeft_ >= START_PEGS)
        return false;
    const int slot = pegsLeft_;
    const int fromC = logEntry(slot, fromCol);
    const int fromR = logEntry(slot, fromRow);
    const int toC = logEntry(slot, toCol);
    const int toR = logEntry(slot, toRow);
    const int dc = toC - fromC;
    const int dr = toR - fromR;
    const bool jump = (dc == 0 && (dr == 2 || dr == -2)) || (dr == 0 && (dc == 2 || dc == -2));
    // Moves logged by play always fit; a recorded game loaded over a played
    // one need not, and its move must not put pegs where there is no hole.
    return jump && cell(fromC, fromR) == CELL_EMPTY && cell((fromC + toC) / 2, (fromR + toR) / 2) == CELL_EMPTY &&
           cell(toC, toR) == CELL_PEG;
}

bool Game::Undo()
{
    if (!CanUndo())
        return false;
    const int slot = pegsLeft_;
    const int fromC = logEntry(slot, fromCol);
    const int fromR = logEntry(slot, fromRow);
    const int toC = logEntry(slot, toCol);
    const int toR = logEntry(slot, toRow);
    const int midC = (fromC + toC) / 2;
    const int midR = (fromR + toR) / 2;

    // The move's own drawing run backwards; the highlight goes in the same refresh.
    if (hasSelection())
        draw(Tile::Pelny, selectedCol(), selectedRow());
    draw(Tile::Pusty, toC, toR);
    at(toC, toR) = CELL_EMPTY;
    draw(Tile::Pelny, midC, midR);
    at(midC, midR) = CELL_PEG;
    refresh();

    draw(Tile::Pelny, fromC, fromR);
    at(fromC, fromR) = CELL_PEG;
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
    const int slot = pegsLeft_ - 1;
    const Move m{logEntry(slot, fromCol), logEntry(slot, fromRow), logEntry(slot, toCol), logEntry(slot, toRow)};
    const Int16 left = Int16(redoLeft_ - 1);
    CellClicked(m.fromCol, m.fromRow);
    CellClicked(m.toCol, m.toRow);
    redoLeft_ = left;  // the click's move ended the list; the rest stays
    return true;
}

void Game::LoadRecordedMoves(Int16 pegsLeft, std::span<const Move> moves)
{
    // A counter above 32 asks for a negative number of moves: refused too.
    if (pegsLeft < 1 || moves.size() != std::size_t(START_PEGS - pegsLeft))
        throw std::invalid_argument("recorded game holds " + std::to_string(moves.size()) +
                                    " moves for the counter " + std::to_string(pegsLeft));
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Move &m = moves[i];
        if (!InGameArea(m.fromCol, m.fromRow) || !InGameArea(m.toCol, m.toRow))
            throw std::invalid_argument("recorded move " + std::to_string(i + 1) + " (" + std::to_string(m.fromCol) +
                                        ", " + std::to_string(m.fromRow) + " -> " + std::to_string(m.toCol) + ", " +
                                        std::to_string(m.toRow) + ") leaves 1..7");
    }
    // Everything is checked first: a refused game leaves the old log whole.
    replayTarget_ = pegsLeft;
    redoLeft_ = 0;  // their slots are overwritten
    int slot = FIRST_SLOT;
    for (const Move &m : moves) {
        setLogEntry(slot, fromCol, m.fromCol);
        setLogEntry(slot, fromRow, m.fromRow);
        setLogEntry(slot, toCol, m.toCol);
        setLogEntry(slot, toRow, m.toRow);
        --slot;
    }
}

RecordedMoveResult Game::PlayNextRecordedMove()
{
    if (replayTarget_ >= pegsLeft_)
        return RecordedMoveResult::NoneLeft;
    const int slot = pegsLeft_ - 1;
    const Move m{logEntry(slot, fromCol), logEntry(slot, fromRow), logEntry(slot, toCol), logEntry(slot, toRow)};
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
