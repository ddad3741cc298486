// SPDX-License-Identifier: MIT
#pragma once

#include "cross.h"

namespace peg {

// Where the keyboard cursor goes from a hole in a direction (dx, dy each -1,
// 0 or 1): the next hole that way, passing over the corner blocks, or
// nowhere new when there is none.
constexpr CellPos CursorStep(CellPos from, int dx, int dy)
{
    for (int c = from.col + dx, r = from.row + dy; InGameArea(c, r); c += dx, r += dy) {
        if (IsHole(c, r))
            return {c, r};
        if (dx == 0 && dy == 0)
            break;
    }
    return from;
}

} // namespace peg
