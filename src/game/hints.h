// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "game.h"
#include "wintable.h"

namespace peg {

// The table built into the program, decoded the first time it is asked for.
// Throws std::runtime_error if what the build put in is damaged.
const WinTable &BuiltInWinTable();
bool BuiltInWinTableDecoded();  // whether that has happened yet
std::span<const unsigned char> BuiltInWinTableBytes();

Position PositionOf(const Game &game);
Move MoveOf(const Jump &jump);

// The moves from p after which one peg can still be left in the centre, by
// source hole row by row, then up, right, down, left.
std::vector<Move> WinningMoves(Position p, const WinTable &table);
bool AnyMoveLeft(Position p);
// The goal: one peg left, in the centre.
inline bool IsWon(Position p) { return p == Position(1) << CENTRE_HOLE; }

// Which winning move a hint shows: the first for a position not asked about
// since the last Forget, then the next one on each ask, round again.
class HintCycle {
public:
    std::optional<Move> Next(Position p, const WinTable &table);
    // The same over the winning moves of a position of any board.
    std::optional<Move> Next(std::uint64_t position, const std::vector<Move> &moves);
    void Forget() { asked_ = false; }

private:
    bool asked_ = false;
    Position position_ = 0;
    std::size_t next_ = 0;
};

} // namespace peg
