// SPDX-License-Identifier: MIT
#include "replay.h"

namespace peg {

TickResult ReplayTick(Game &game, RefusedMove *refused)
{
    const int k = game.pegsLeft() - 1;
    if (game.PlayNextRecordedMove() == RecordedMoveResult::Refused) {
        // A refused move leaves the counter where it was, so slot k still holds it.
        if (refused)
            *refused = {game.startPegs() - k, SlotMove(game.moveLog(), k)};
        return TickResult::Refused;
    }
    return game.replayTarget() == game.pegsLeft() ? TickResult::Finished : TickResult::Continue;
}

} // namespace peg
