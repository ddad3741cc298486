// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>

#include "boards.h"
#include "cross.h"

namespace peg {

using Int16 = std::int16_t;

// What a board cell holds. No other value is ever stored.
inline constexpr Int16 CELL_NONE = 0;   // outside the cross, no hole
inline constexpr Int16 CELL_EMPTY = 1;  // a hole without a peg
inline constexpr Int16 CELL_PEG = 2;    // a hole with a peg

inline constexpr int BOARD_LAST = 9;    // board indices run 0..9; play uses 1..7
// A move lands in the slot of the count it leaves; the largest board, the
// French board, holds 37 pegs when full.
inline constexpr int LOG_LAST_SLOT = 37;
inline constexpr int LOG_LAST_ENTRY = 4;
inline constexpr Int16 START_PEGS = 32;  // the central game's
inline constexpr Int16 FIRST_SLOT = 31;  // the central game's first move lands in slot 31

// Entries of a move-log slot; entry 0 is never used.
enum LogEntry { fromCol = 1, fromRow = 2, toCol = 3, toRow = 4 };

enum class Tile { Nieuzyt, Pusty, Pelny, Aktual };

// Raised for an index outside an array's bounds: the access never happens.
class IndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// What the game asks of the screen. The display implements it; tests record it.
class BoardView {
public:
    virtual ~BoardView() = default;
    virtual void DrawTile(Tile tile, int col, int row) = 0;  // into the off-screen image only
    virtual void RefreshBoard() = 0;                          // show the image now
    virtual void DrawBoard() = 0;                             // all 49 cells, then one refresh
    virtual void ShowCount(Int16 pegsLeft) = 0;               // the counter label, repainted now
};

enum class ClickResult { Ignored, Selected, Moved };

// A move: from column, from row, to column, to row (1 to 7), as the log,
// the move file and the tests hold it.
struct Move {
    Int16 fromCol, fromRow, toCol, toRow;
    bool operator==(const Move &) const = default;
    CellPos from() const { return {fromCol, fromRow}; }
    CellPos to() const { return {toCol, toRow}; }
};

enum class RecordedMoveResult {
    Played,    // the move was made as a click would make it
    Refused,   // it cannot be made here; the board and the counter are as they were
    NoneLeft,  // the counter is already at (or below) the replay target
};

using MoveLog = std::array<std::array<Int16, LOG_LAST_ENTRY + 1>, LOG_LAST_SLOT + 1>;

// The move in a log slot, whatever it holds. Throws IndexError for a slot outside 0..33.
Move SlotMove(const MoveLog &log, int slot);

// Where a game starts, as grid bits (boards.h): the cells that are holes
// and those of them that hold pegs.
struct StartPosition {
    Grid holes;
    Grid pegs;
    bool operator==(const StartPosition &) const = default;
};
// The central game's: the cross, full but for its centre.
StartPosition CentralStart();

class Game {
public:
    explicit Game(BoardView *view = nullptr) : view_(view) {}

    void setView(BoardView *view) { view_ = view; }

    // The start the next NewGame sets up; the central game's until changed.
    // Throws std::invalid_argument for pegs outside the holes, or for no peg
    // or more than the log holds.
    void SetStart(const StartPosition &start);
    const StartPosition &start() const { return start_; }
    Int16 startPegs() const { return Int16(GridPegs(start_.pegs)); }

    // Also ends the list of moves that Redo can make again.
    void NewGame();
    // Whether the peg at (selCol, selRow) may jump into the empty hole (col, row).
    // The source is not looked at: a selection is always a peg.
    bool IsLegalJump(int selCol, int selRow, int col, int row) const;
    // A click that moves ends the list of moves that Redo can make again.
    ClickResult CellClicked(int col, int row);

    // A highlighted peg drawn plain again, and the selection dropped.
    void DropSelection();

    // Takes back the move in slot pegsLeft: a highlighted peg is drawn plain,
    // then target Pusty, middle Pelny, refresh, source Pelny, refresh; the
    // counter rises and is shown, the selection is dropped. The move stays in
    // its slot, now below pegsLeft, for Redo. Returns false, drawing and
    // changing nothing, at 32 pegs or when the slot's move does not fit the
    // board (a recorded game loaded over moves already made).
    // Neither knows of replays: the display refuses both while its replay
    // runs. Made during one they would only step it back or on, as the
    // slots below pegsLeft hold the replay's moves too.
    bool Undo();

    // Makes the latest move taken back again as two clicks, source then
    // target, drawn as the player's own move. Returns false, drawing and
    // changing nothing, when no move taken back is left.
    bool Redo();

    // Whether Undo or Redo would do anything now.
    bool CanUndo() const;
    bool CanRedo() const { return redoLeft_ > 0; }

    Int16 cell(int col, int row) const;
    Int16 pegsLeft() const { return pegsLeft_; }
    bool hasSelection() const { return selection_[0] == 1; }
    Int16 selectedCol() const { return selection_[1]; }
    Int16 selectedRow() const { return selection_[2]; }
    Int16 replayTarget() const { return replayTarget_; }
    const MoveLog &moveLog() const { return moveLog_; }

    // Loads a recorded game for a replay: the replay target becomes pegsLeft
    // and moves[0..] fill the log slots startPegs - 1 down to pegsLeft; the
    // board, the selection and the other slots are not touched; moves taken
    // back can no longer be made again. Throws std::invalid_argument, before
    // changing anything, unless pegsLeft is 1..startPegs, there are
    // startPegs - pegsLeft moves and every coordinate is 1..7.
    void LoadRecordedMoves(Int16 pegsLeft, std::span<const Move> moves);

    // Loads moves to be played on from the position as it stands, as a
    // replay plays them: the replay target becomes pegsLeft - moves.size().
    // Moves taken back can no longer be made again. Throws
    // std::invalid_argument, changing nothing, for more moves than the
    // pegs allow or a coordinate outside 1..7.
    void LoadMovesFromHere(std::span<const Move> moves);

    // Plays the move in slot pegsLeft - 1 as a click on its target with its
    // source selected, then drops the selection. A source that holds no peg
    // is refused before anything is drawn or changed.
    RecordedMoveResult PlayNextRecordedMove();

private:
    void setSelection(bool flag, Int16 col, Int16 row);
    void logMove(int slot, const Move &m);
    Int16 &at(int col, int row);
    void draw(Tile tile, int col, int row);
    void refresh();

    BoardView *view_;
    StartPosition start_ = CentralStart();
    std::array<std::array<Int16, BOARD_LAST + 1>, BOARD_LAST + 1> board_{};  // [col][row]
    std::array<Int16, 3> selection_{};  // flag, column, row
    Int16 pegsLeft_ = 0;
    MoveLog moveLog_{};
    Int16 replayTarget_ = 0;
    Int16 redoLeft_ = 0;  // undone moves kept in slots pegsLeft - 1 downwards
};

} // namespace peg
