#pragma once

#include <array>

// A complete game from the start position down to one peg in the centre,
// as (fromCol, fromRow, toCol, toRow), found by a search and checked by
// the tests that play it.
struct RecordedMove {
    int fromCol, fromRow, toCol, toRow;
};

inline constexpr std::array<RecordedMove, 31> FULL_GAME = {{
    {2, 4, 4, 4}, {3, 2, 3, 4}, {1, 3, 3, 3}, {1, 5, 1, 3}, {3, 4, 3, 2}, {3, 1, 3, 3}, {3, 5, 1, 5},
    {3, 7, 3, 5}, {4, 3, 2, 3}, {1, 3, 3, 3}, {4, 1, 4, 3}, {4, 3, 2, 3}, {4, 5, 2, 5}, {1, 5, 3, 5},
    {4, 7, 4, 5}, {4, 5, 2, 5}, {6, 3, 4, 3}, {5, 1, 5, 3}, {5, 3, 3, 3}, {2, 3, 4, 3}, {4, 3, 4, 5},
    {5, 5, 3, 5}, {2, 5, 4, 5}, {5, 7, 5, 5}, {5, 4, 5, 6}, {7, 5, 5, 5}, {4, 5, 6, 5}, {7, 3, 7, 5},
    {7, 5, 5, 5}, {5, 6, 5, 4}, {6, 4, 4, 4},
}};
