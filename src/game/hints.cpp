// SPDX-License-Identifier: MIT
#include "hints.h"

#include <atomic>
#include <stdexcept>

namespace peg {

namespace {

std::atomic<bool> decoded{false};

} // namespace

const WinTable &BuiltInWinTable()
{
    static const WinTable table = [] {
        WinTable t;
        if (!t.Decode(BuiltInWinTableBytes()))
            throw std::runtime_error("the built-in table of winning positions is damaged");
        decoded = true;
        return t;
    }();
    return table;
}

bool BuiltInWinTableDecoded()
{
    return decoded;
}

Position PositionOf(const Game &game)
{
    Position p = 0;
    for (int i = 0; i < HOLES; ++i)
        if (const CellPos c = HoleCell(i); game.cell(c.col, c.row) == CELL_PEG)
            p |= Position(1) << i;
    return p;
}

Move MoveOf(const Jump &j)
{
    const CellPos from = HoleCell(j.from), to = HoleCell(j.to);
    return {Int16(from.col), Int16(from.row), Int16(to.col), Int16(to.row)};
}

std::vector<Move> WinningMoves(Position p, const WinTable &table)
{
    std::vector<Move> moves;
    for (const Jump &j : Jumps())
        if (CanJump(p, j) && table.CanFinish(Jumped(p, j)))
            moves.push_back(MoveOf(j));
    return moves;
}

bool AnyMoveLeft(Position p)
{
    for (const Jump &j : Jumps())
        if (CanJump(p, j))
            return true;
    return false;
}

std::optional<Move> HintCycle::Next(Position p, const WinTable &table)
{
    return Next(p, WinningMoves(p, table));
}

std::optional<Move> HintCycle::Next(std::uint64_t p, const std::vector<Move> &moves)
{
    if (moves.empty())
        return std::nullopt;
    if (!asked_ || p != position_)
        next_ = 0;
    asked_ = true;
    position_ = p;
    return moves[next_++ % moves.size()];
}

} // namespace peg
