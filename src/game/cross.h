// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>

namespace peg {

// The board's shape and what a jump is, decided here alone: the game, the
// keyboard cursor, the positions and the hints all ask.

inline constexpr int GAME_FIRST = 1;  // columns and rows of the grid
inline constexpr int GAME_LAST = 7;

constexpr bool InGameArea(int col, int row)
{
    return col >= GAME_FIRST && col <= GAME_LAST && row >= GAME_FIRST && row <= GAME_LAST;
}

struct CellPos {
    int col, row;
    bool operator==(const CellPos &) const = default;
};

inline constexpr CellPos CENTRE{4, 4};  // the hole left empty at the start

// A cell under one of the square's 8 symmetries about the centre: turned a
// quarter (symmetry & 3) times, then mirrored when symmetry & 4. 0 is the
// identity.
constexpr CellPos Turned(int symmetry, CellPos c)
{
    int x = c.col - CENTRE.col, y = c.row - CENTRE.row;
    for (int k = 0; k < (symmetry & 3); ++k) {
        const int t = x;
        x = -y;
        y = t;
    }
    if (symmetry & 4)
        x = -x;
    return {x + CENTRE.col, y + CENTRE.row};
}

// The cross: two arms three cells wide through the centre, the grid's four
// 2 by 2 corners left out. 33 holes.
constexpr bool IsHole(int col, int row)
{
    const auto near = [](int a, int b) { return a - b >= -1 && a - b <= 1; };
    return InGameArea(col, row) && (near(col, CENTRE.col) || near(row, CENTRE.row));
}

// The holes numbered row by row from the top left.
inline constexpr int HOLES = [] {
    int n = 0;
    for (int row = GAME_FIRST; row <= GAME_LAST; ++row)
        for (int col = GAME_FIRST; col <= GAME_LAST; ++col)
            n += IsHole(col, row);
    return n;
}();
inline constexpr std::array<CellPos, HOLES> HOLE_CELLS = [] {
    std::array<CellPos, HOLES> cells{};
    int n = 0;
    for (int row = GAME_FIRST; row <= GAME_LAST; ++row)
        for (int col = GAME_FIRST; col <= GAME_LAST; ++col)
            if (IsHole(col, row))
                cells[n++] = {col, row};
    return cells;
}();
inline constexpr int CENTRE_HOLE = [] {
    int n = 0;
    while (HOLE_CELLS[n] != CENTRE)
        ++n;
    return n;
}();

// A jump takes a peg two cells along a row or a column, over the cell
// between. Its four ways, in the order hints list them: up, right, down, left.
inline constexpr std::array<CellPos, 4> JUMP_WAYS = {{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};

struct JumpCells {
    CellPos over, to;
};
constexpr JumpCells JumpFrom(CellPos from, CellPos way)
{
    return {{from.col + way.col, from.row + way.row}, {from.col + 2 * way.col, from.row + 2 * way.row}};
}

// The cell a jump from `from` to `to` goes over; none when `to` is not where
// a jump from `from` lands.
constexpr std::optional<CellPos> JumpedCell(CellPos from, CellPos to)
{
    for (const CellPos way : JUMP_WAYS)
        if (const JumpCells j = JumpFrom(from, way); j.to == to)
            return j.over;
    return std::nullopt;
}

} // namespace peg
