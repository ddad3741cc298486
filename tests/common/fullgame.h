// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <vector>

#include "cross.h"
#include "game.h"

// A complete game from the start position down to one peg in the centre,
// as (fromCol, fromRow, toCol, toRow).
inline constexpr std::array<peg::Move, 31> FULL_GAME = {{
    {2, 4, 4, 4}, {3, 2, 3, 4}, {1, 3, 3, 3}, {1, 5, 1, 3}, {3, 4, 3, 2}, {3, 1, 3, 3}, {3, 5, 1, 5},
    {3, 7, 3, 5}, {4, 3, 2, 3}, {1, 3, 3, 3}, {4, 1, 4, 3}, {4, 3, 2, 3}, {4, 5, 2, 5}, {1, 5, 3, 5},
    {4, 7, 4, 5}, {4, 5, 2, 5}, {6, 3, 4, 3}, {5, 1, 5, 3}, {5, 3, 3, 3}, {2, 3, 4, 3}, {4, 3, 4, 5},
    {5, 5, 3, 5}, {2, 5, 4, 5}, {5, 7, 5, 5}, {5, 4, 5, 6}, {7, 5, 5, 5}, {4, 5, 6, 5}, {7, 3, 7, 5},
    {7, 5, 5, 5}, {5, 6, 5, 4}, {6, 4, 4, 4},
}};

// The first n moves of FULL_GAME.
inline std::vector<peg::Move> FullGameLog(int n = int(FULL_GAME.size()))
{
    return {FULL_GAME.begin(), FULL_GAME.begin() + n};
}

// Plays moves by clicks as the mouse would; false at the first one refused.
inline bool Play(peg::Game &g, const std::vector<peg::Move> &moves = FullGameLog())
{
    return std::all_of(moves.begin(), moves.end(), [&g](const peg::Move &m) {
        return g.CellClicked(m.fromCol, m.fromRow) == peg::ClickResult::Selected
               && g.CellClicked(m.toCol, m.toRow) == peg::ClickResult::Moved;
    });
}

using Cells = std::array<std::array<peg::Int16, peg::BOARD_LAST + 1>, peg::BOARD_LAST + 1>;  // [col][row]

// Every cell of the 10 by 10 grid.
inline Cells BoardOf(const peg::Game &g)
{
    Cells b{};
    for (int i = 0; i < 100; ++i)
        b[i / 10][i % 10] = g.cell(i / 10, i % 10);
    return b;
}

// The whole grid holds the cross of pegs, the centre empty, nothing else.
inline bool IsStartPosition(const peg::Game &g)
{
    for (int i = 0; i < 100; ++i)
        if (const int c = i / 10, r = i % 10;
            g.cell(c, r) != (!peg::IsHole(c, r) ? peg::CELL_NONE : c == 4 && r == 4 ? peg::CELL_EMPTY : peg::CELL_PEG))
            return false;
    return g.pegsLeft() == peg::START_PEGS;
}
