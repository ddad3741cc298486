// SPDX-License-Identifier: MIT
#include "positions.h"

#include <algorithm>

namespace peg {

namespace {

struct Holes {
    std::array<std::array<int, 8>, 8> index{};  // [col][row], for the holes
    std::array<Jump, 76> jumps{};
    // Each symmetry as lookups of 8 bits at a time: canonical forms are the
    // table generator's inner loop.
    std::array<std::array<std::array<Position, 256>, 5>, 8> bytes{};
};

Holes MakeHoles()
{
    Holes h;
    for (int i = 0; i < HOLES; ++i)
        h.index[HOLE_CELLS[i].col][HOLE_CELLS[i].row] = i;
    int n = 0;
    for (int i = 0; i < HOLES; ++i)
        for (const CellPos way : JUMP_WAYS)
            if (const JumpCells j = JumpFrom(HOLE_CELLS[i], way); IsHole(j.to.col, j.to.row))
                h.jumps[n++] = {i, h.index[j.over.col][j.over.row], h.index[j.to.col][j.to.row]};
    for (int s = 0; s < 8; ++s)
        for (int chunk = 0; chunk < 5; ++chunk)
            for (int v = 0; v < 256; ++v)
                for (int b = 0; b < 8; ++b) {
                    const int bit = chunk * 8 + b;
                    if (bit < HOLES && (v >> b & 1)) {
                        const CellPos t = Turned(s, HOLE_CELLS[bit]);
                        h.bytes[s][chunk][v] |= Position(1) << h.index[t.col][t.row];
                    }
                }
    return h;
}

const Holes &TheHoles()
{
    static const Holes holes = MakeHoles();
    return holes;
}

} // namespace

int HoleIndex(int col, int row)
{
    return IsHole(col, row) ? TheHoles().index[col][row] : -1;
}

CellPos HoleCell(int index)
{
    return HOLE_CELLS.at(index);
}

const std::array<Jump, 76> &Jumps()
{
    return TheHoles().jumps;
}

namespace {

Position Apply(const std::array<std::array<Position, 256>, 5> &t, Position p)
{
    return t[0][p & 255] | t[1][p >> 8 & 255] | t[2][p >> 16 & 255] | t[3][p >> 24 & 255] | t[4][p >> 32 & 255];
}

} // namespace

Position Transformed(int symmetry, Position p)
{
    return Apply(TheHoles().bytes[symmetry], p);
}

Position Canonical(Position p)
{
    const auto &bytes = TheHoles().bytes;
    Position least = p;
    for (int s = 1; s < 8; ++s)
        least = std::min(least, Apply(bytes[s], p));
    return least;
}

} // namespace peg
