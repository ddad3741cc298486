// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "game.h"

// A complete game from the start position down to one peg in the centre,
// as (fromCol, fromRow, toCol, toRow), found by a search and checked by
// the tests that play it.
inline constexpr std::array<peg::Move, 31> FULL_GAME = {{
    {2, 4, 4, 4}, {3, 2, 3, 4}, {1, 3, 3, 3}, {1, 5, 1, 3}, {3, 4, 3, 2}, {3, 1, 3, 3}, {3, 5, 1, 5},
    {3, 7, 3, 5}, {4, 3, 2, 3}, {1, 3, 3, 3}, {4, 1, 4, 3}, {4, 3, 2, 3}, {4, 5, 2, 5}, {1, 5, 3, 5},
    {4, 7, 4, 5}, {4, 5, 2, 5}, {6, 3, 4, 3}, {5, 1, 5, 3}, {5, 3, 3, 3}, {2, 3, 4, 3}, {4, 3, 4, 5},
    {5, 5, 3, 5}, {2, 5, 4, 5}, {5, 7, 5, 5}, {5, 4, 5, 6}, {7, 5, 5, 5}, {4, 5, 6, 5}, {7, 3, 7, 5},
    {7, 5, 5, 5}, {5, 6, 5, 4}, {6, 4, 4, 4},
}};

// The first n moves of FULL_GAME as the move log keeps them.
inline std::vector<peg::Move> FullGameLog(std::size_t n = FULL_GAME.size())
{
    return {FULL_GAME.begin(), FULL_GAME.begin() + std::ptrdiff_t(std::min(n, FULL_GAME.size()))};
}

// Plays moves by clicks as the mouse would; false at the first one refused.
inline bool Play(peg::Game &g, const std::vector<peg::Move> &moves = {FULL_GAME.begin(), FULL_GAME.end()})
{
    for (const peg::Move &m : moves)
        if (g.CellClicked(m.fromCol, m.fromRow) != peg::ClickResult::Selected
            || g.CellClicked(m.toCol, m.toRow) != peg::ClickResult::Moved)
            return false;
    return true;
}

using Grid = std::array<std::array<peg::Int16, peg::BOARD_LAST + 1>, peg::BOARD_LAST + 1>;  // [col][row]

// Every cell of the 10 by 10 grid.
inline Grid BoardOf(const peg::Game &g)
{
    Grid b{};
    for (int c = 0; c <= peg::BOARD_LAST; ++c)
        for (int r = 0; r <= peg::BOARD_LAST; ++r)
            b[c][r] = g.cell(c, r);
    return b;
}

// The whole 10 by 10 grid holds the cross of pegs, the centre empty, nothing else.
inline bool IsStartPosition(const peg::Game &g)
{
    for (int c = 0; c <= peg::BOARD_LAST; ++c) {
        for (int r = 0; r <= peg::BOARD_LAST; ++r) {
            const bool hole = peg::InGameArea(c, r) && ((c >= 3 && c <= 5) || (r >= 3 && r <= 5));
            if (g.cell(c, r) != (!hole ? peg::CELL_NONE : (c == 4 && r == 4) ? peg::CELL_EMPTY : peg::CELL_PEG))
                return false;
        }
    }
    return g.pegsLeft() == peg::START_PEGS;
}
