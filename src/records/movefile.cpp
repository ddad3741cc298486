// SPDX-License-Identifier: MIT
#include "movefile.h"

#include "itemreader.h"
#include "words.h"

#include <cstdlib>

namespace peg {

namespace {

constexpr const char *LINE_END = "\r\n";

// Sign position (blank or minus), the digits, one blank.
void AppendNumber(std::string &out, Int16 value)
{
    out += value < 0 ? '-' : ' ';
    out += std::to_string(std::abs(int(value)));
    out += ' ';
}

} // namespace

std::string FormatMoveFile(Int16 pegsLeft, const MoveLog &log, const Problem &problem)
{
    if (pegsLeft < 0)
        throw IndexError("move log slot " + std::to_string(pegsLeft) + " outside bounds");
    std::string out = MOVE_FILE_HEADER;
    out += LINE_END;
    if (&problem != &CentralProblem()) {
        out += PROBLEM_PREFIX;
        out += problem.id;
        out += LINE_END;
    }
    AppendNumber(out, pegsLeft);
    out += LINE_END;
    for (int slot = StartPegs(problem) - 1; slot >= pegsLeft; --slot) {
        const Move m = SlotMove(log, slot);
        for (const Int16 value : {m.fromCol, m.fromRow, m.toCol, m.toRow})
            AppendNumber(out, value);
        out += LINE_END;
    }
    return out;
}

std::string FormatMoveFile(const Game &game, const Problem &problem)
{
    return FormatMoveFile(game.pegsLeft(), game.moveLog(), problem);
}

MoveFile ParseMoveFile(const std::string &content)
{
    ItemReader reader(content);
    MoveFile file;
    int movesNeeded = 0;
    // A fault in the item just read, with where it stands.
    const auto refuse = [&reader](const std::string &what) {
        return MoveFileError(reader.lastItemLine(), reader.itemsRead(),
                             ItemPlace(reader.lastItemLine(), reader.itemsRead()) + what);
    };
    try {
        const ItemValue header = reader.ReadValue();
        if (header.isNumber)
            throw refuse(NoHeaderText(header.text));

        if (const ItemValue next = reader.PeekValue();
            !next.isNumber && next.text.starts_with(PROBLEM_PREFIX)) {
            reader.ReadValue();
            const std::string id = next.text.substr(std::string_view(PROBLEM_PREFIX).size());
            file.problem = FindProblem(id);
            if (!file.problem)
                throw refuse(UnknownProblemText(id));
        }
        const int startPegs = StartPegs(*file.problem);

        file.pegsLeft = reader.ReadInt16();
        if (file.pegsLeft < 1 || file.pegsLeft > startPegs)
            throw refuse(PegsLeftOutOfRangeText(file.pegsLeft, startPegs));

        movesNeeded = startPegs - file.pegsLeft;
        for (int m = 0; m < movesNeeded; ++m) {
            Int16 v[4];
            for (int e = 0; e < 4; ++e) {
                v[e] = reader.ReadInt16();
                if (v[e] < GAME_FIRST || v[e] > GAME_LAST)
                    throw refuse(MoveEntryOutOfRangeText(e, m + 1, v[e]));
            }
            file.moves.push_back({v[0], v[1], v[2], v[3]});
        }
    } catch (const ItemError &e) {
        std::string what = e.what();
        if (e.kind == ItemError::Kind::EndOfFile && movesNeeded > 0)
            what += TooFewMovesText(file.pegsLeft, movesNeeded, file.moves.size());
        throw MoveFileError(e.line, e.item, what);
    }
    return file;
}

void ApplyMoveFile(const MoveFile &file, Game &game)
{
    game.LoadRecordedMoves(file.pegsLeft, file.moves);
}

} // namespace peg
