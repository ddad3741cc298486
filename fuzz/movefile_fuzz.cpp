// SPDX-License-Identifier: MIT
// Any bytes as a move file: it is refused with MoveFileError, or it loads
// on its problem's board and replays to an end (finished or refused)
// without leaving the board, and what the game then writes reads back the
// same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "movefile.h"
#include "replay.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    peg::MoveFile file;
    try {
        file = peg::ParseMoveFile(std::string(reinterpret_cast<const char *>(data), size));
    } catch (const peg::MoveFileError &) {
        return 0;
    }
    const peg::Problem &problem = *file.problem;
    const int start = peg::StartPegs(problem);
    if (file.pegsLeft < 1 || file.pegsLeft > start || file.moves.size() != std::size_t(start - file.pegsLeft))
        std::abort();
    peg::Game game;
    game.SetStart({peg::Board::Of(problem.shape).holes(), problem.start});
    game.NewGame();
    peg::ApplyMoveFile(file, game);
    int pegsOnBoard = start;
    for (int tick = 0; tick < 40; ++tick) {
        const peg::Int16 before = game.pegsLeft();
        const peg::TickResult r = peg::ReplayTick(game);
        if (game.pegsLeft() < before)
            --pegsOnBoard;
        if (r != peg::TickResult::Continue)
            break;
    }
    int counted = 0;
    for (int c = 0; c <= peg::BOARD_LAST; ++c)
        for (int r = 0; r <= peg::BOARD_LAST; ++r)
            counted += game.cell(c, r) == peg::CELL_PEG;
    // The counter and the board must agree whatever the file asked for.
    if (counted != game.pegsLeft() || counted != pegsOnBoard)
        std::abort();
    const std::string written = peg::FormatMoveFile(game, problem);
    const peg::MoveFile again = peg::ParseMoveFile(written);
    if (again.problem != &problem || again.pegsLeft != game.pegsLeft() ||
        peg::FormatMoveFile(again.pegsLeft, game.moveLog(), problem) != written)
        std::abort();
    return 0;
}
