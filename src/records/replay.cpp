#include "replay.h"

namespace peg {

TickResult ReplayTick(Game &game, RefusedMove *refused)
{
    if (game.replayTarget() < game.pegsLeft()) {
        const int k = game.pegsLeft() - 1;
        const Move m{game.logEntry(k, fromCol), game.logEntry(k, fromRow), game.logEntry(k, toCol),
                     game.logEntry(k, toRow)};
        // A move out of an empty hole would lower the counter without taking
        // a peg off the board, so it is refused like any other impossible move.
        const bool sourceHoldsPeg = InGameArea(m.fromCol, m.fromRow) && game.cell(m.fromCol, m.fromRow) == CELL_PEG;
        ClickResult r = ClickResult::Ignored;
        if (sourceHoldsPeg) {
            game.setSelection(true, m.fromCol, m.fromRow);
            r = game.CellClicked(m.toCol, m.toRow);
            game.setSelectionFlag(false);
        }
        if (r != ClickResult::Moved) {
            if (refused)
                *refused = {FIRST_SLOT + 1 - k, m};
            return TickResult::Refused;
        }
    }
    return game.replayTarget() == game.pegsLeft() ? TickResult::Finished : TickResult::Continue;
}

} // namespace peg
