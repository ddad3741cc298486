// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

#include "cross.h"

namespace peg {

// A position as a set of pegs: bit i stands for hole i of HOLE_CELLS.
using Position = std::uint64_t;

inline constexpr Position ALL_HOLES = (Position(1) << HOLES) - 1;

// Hole numbers and cells, both ways; HoleIndex is -1 off the cross.
int HoleIndex(int col, int row);
CellPos HoleCell(int index);
inline Position Bit(int col, int row) { return Position(1) << HoleIndex(col, row); }

inline constexpr Position START_POSITION = ALL_HOLES & ~(Position(1) << CENTRE_HOLE);

inline int PegCount(Position p) { return __builtin_popcountll(p); }
inline Position Complement(Position p) { return ALL_HOLES & ~p; }

// The same position under one of the board's 8 symmetries (0 is the
// identity), and the least of the 8: one number for all of them.
Position Transformed(int symmetry, Position p);
Position Canonical(Position p);

// A jump: the peg on `from` over `over` into `to`, as hole numbers.
struct Jump {
    int from, over, to;
};
// The 76 jumps of the cross, by source hole, then up, right, down, left.
const std::array<Jump, 76> &Jumps();

inline bool CanJump(Position p, const Jump &j)
{
    return (p >> j.from & 1) && (p >> j.over & 1) && !(p >> j.to & 1);
}
inline Position Jumped(Position p, const Jump &j)
{
    return p ^ ((Position(1) << j.from) | (Position(1) << j.over) | (Position(1) << j.to));
}

} // namespace peg
