// SPDX-License-Identifier: MIT
#pragma once

#include "game.h"

namespace peg {

enum class TickResult {
    Continue,  // a move was played (or Reset restarted the game); more follow
    Finished,  // the counter reached the file's value: stop the timer
    Refused,   // the next recorded move cannot be made here: stop the timer
};

struct RefusedMove {
    int number = 0;  // 1 for the first move of the file
    Move move{};
};

// One tick of a running replay: plays the move in slot pegsLeft - 1 through
// the same click handling as the mouse, then says whether to go on.
TickResult ReplayTick(Game &game, RefusedMove *refused = nullptr);

} // namespace peg
