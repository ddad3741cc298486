// SPDX-License-Identifier: MIT
#pragma once

namespace peg {

// A cell of the cross, the 33 holes of the board.
constexpr bool IsHole(int col, int row)
{
    const bool inGrid = col >= 1 && col <= 7 && row >= 1 && row <= 7;
    return inGrid && ((col >= 3 && col <= 5) || (row >= 3 && row <= 5));
}

struct CellPos {
    int col, row;
    bool operator==(const CellPos &) const = default;
};

// Where the keyboard cursor goes from a hole in a direction (dx, dy each -1,
// 0 or 1): the next hole that way, passing over the corner blocks, or
// nowhere new when there is none.
constexpr CellPos CursorStep(CellPos from, int dx, int dy)
{
    for (int c = from.col + dx, r = from.row + dy; c >= 1 && c <= 7 && r >= 1 && r <= 7; c += dx, r += dy) {
        if (IsHole(c, r))
            return {c, r};
        if (dx == 0 && dy == 0)
            break;
    }
    return from;
}

} // namespace peg
