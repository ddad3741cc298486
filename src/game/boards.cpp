// SPDX-License-Identifier: MIT
#include "boards.h"

#include <algorithm>
#include <array>

#include "cross.h"

namespace peg {

namespace {

struct Symmetries {
    std::array<std::array<int, 49>, SYMMETRIES> bit{};
    // Each symmetry as lookups of one row at a time: canonical forms are the
    // searches' inner loop.
    std::array<std::array<std::array<Grid, 128>, GRID_SIDE>, SYMMETRIES> rows{};
};

// The cells of each diagonal set mod 3, both ways, for the position class.
struct Diagonals {
    std::array<Grid, 3> up{}, down{};
};
constexpr Diagonals DIAGONALS = [] {
    Diagonals d;
    for (int bit = 0; bit < 49; ++bit) {
        const int c = GridCol(bit), r = GridRow(bit);
        d.up[(c + r) % 3] |= Grid(1) << bit;
        d.down[(c - r + 9) % 3] |= Grid(1) << bit;
    }
    return d;
}();

Symmetries MakeSymmetries()
{
    Symmetries s;
    for (int sym = 0; sym < SYMMETRIES; ++sym)
        for (int bit = 0; bit < 49; ++bit) {
            const CellPos t = Turned(sym, {GridCol(bit), GridRow(bit)});
            s.bit[sym][bit] = GridBit(t.col, t.row);
        }
    for (int sym = 0; sym < SYMMETRIES; ++sym)
        for (int row = 0; row < GRID_SIDE; ++row)
            for (int v = 0; v < 128; ++v)
                for (int c = 0; c < GRID_SIDE; ++c)
                    if (v >> c & 1)
                        s.rows[sym][row][v] |= Grid(1) << s.bit[sym][row * GRID_SIDE + c];
    return s;
}

const Symmetries &TheSymmetries()
{
    static const Symmetries s = MakeSymmetries();
    return s;
}

Grid Apply(const std::array<std::array<Grid, 128>, GRID_SIDE> &t, Grid g)
{
    return t[0][g & 127] | t[1][g >> 7 & 127] | t[2][g >> 14 & 127] | t[3][g >> 21 & 127] | t[4][g >> 28 & 127] |
           t[5][g >> 35 & 127] | t[6][g >> 42 & 127];
}

} // namespace

Board::Board(Shape shape) : shape_(shape)
{
    for (int row = 1; row <= GRID_SIDE; ++row)
        for (int col = 1; col <= GRID_SIDE; ++col)
            if (peg::IsHole(col, row) ||
                (shape == Shape::French && (col == 2 || col == 6) && (row == 2 || row == 6)))
                holes_ |= GridCell(col, row);
    for (int row = 1; row <= GRID_SIDE; ++row)
        for (int col = 1; col <= GRID_SIDE; ++col)
            for (const CellPos way : JUMP_WAYS) {
                const JumpCells j = JumpFrom({col, row}, way);
                if (IsHole(col, row) && IsHole(j.to.col, j.to.row)) {
                    const int from = GridBit(col, row), over = GridBit(j.over.col, j.over.row),
                              to = GridBit(j.to.col, j.to.row);
                    const Grid need = Grid(1) << from | Grid(1) << over;
                    jumps_.push_back({from, over, to, need, need | Grid(1) << to});
                }
            }
}

const Board &Board::Of(Shape shape)
{
    static const Board english(Shape::English), french(Shape::French);
    return shape == Shape::French ? french : english;
}

bool AnyJumpLeft(Shape shape, Grid p)
{
    for (const GridJump &j : Board::Of(shape).jumps())
        if (CanJump(p, j))
            return true;
    return false;
}

bool Board::IsHole(int col, int row) const
{
    return InGameArea(col, row) && (holes_ >> GridBit(col, row) & 1);
}

int TransformedBit(int symmetry, int bit)
{
    return TheSymmetries().bit[symmetry][bit];
}

Grid GridTransformed(int symmetry, Grid g)
{
    return Apply(TheSymmetries().rows[symmetry], g);
}

Grid GridCanonical(Grid g, SymmetrySet symmetries)
{
    const auto &rows = TheSymmetries().rows;
    Grid least = g;
    for (int s = 1; s < SYMMETRIES; ++s)
        if (symmetries >> s & 1)
            least = std::min(least, Apply(rows[s], g));
    return least;
}

int PositionClass(Grid g)
{
    const Diagonals &s = DIAGONALS;
    int up[3], down[3];
    for (int k = 0; k < 3; ++k) {
        up[k] = GridPegs(g & s.up[k]);
        down[k] = GridPegs(g & s.down[k]);
    }
    return ((up[0] + up[1]) & 1) | ((up[1] + up[2]) & 1) << 1 | ((down[0] + down[1]) & 1) << 2 |
           ((down[1] + down[2]) & 1) << 3;
}

} // namespace peg
