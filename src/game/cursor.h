// SPDX-License-Identifier: MIT
#pragma once

#include "cross.h"

namespace peg {

// Where the keyboard cursor goes from a hole in a direction (dx, dy each -1,
// 0 or 1): the next hole that way, passing over the corner blocks, or
// nowhere new when there is none.
// isHole: the board's own, the cross's when not given.
template <typename HoleTest = bool (*)(int, int)>
constexpr CellPos CursorStep(CellPos from, int dx, int dy, HoleTest isHole = IsHole)
{
    for (int c = from.col + dx, r = from.row + dy; InGameArea(c, r); c += dx, r += dy) {
        if (isHole(c, r))
            return {c, r};
        if (dx == 0 && dy == 0)
            break;
    }
    return from;
}

} // namespace peg
