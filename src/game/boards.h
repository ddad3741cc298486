// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace peg {

// Positions on the 7 by 7 grid whatever the board: bit (row-1)*7 + (col-1)
// holds the peg of column col, row row (1 to 7). The cross's own numbering
// (positions.h) stays with the central game and its table.
using Grid = std::uint64_t;

inline constexpr int GRID_SIDE = 7;
constexpr int GridBit(int col, int row) { return (row - 1) * GRID_SIDE + (col - 1); }
constexpr Grid GridCell(int col, int row) { return Grid(1) << GridBit(col, row); }
constexpr int GridCol(int bit) { return bit % GRID_SIDE + 1; }
constexpr int GridRow(int bit) { return bit / GRID_SIDE + 1; }
inline int GridPegs(Grid g) { return __builtin_popcountll(g); }

enum class Shape {
    English,  // the 33-hole cross
    French,   // the cross and the four holes at (2,2), (6,2), (2,6), (6,6): 37 holes
};

// A jump as grid bits, with the masks a search tests and flips.
struct GridJump {
    int from, over, to;
    Grid need;  // from and over hold pegs
    Grid flip;  // from, over and to change
};
inline bool CanJump(Grid p, const GridJump &j)
{
    return (p & j.need) == j.need && !(p & (j.flip ^ j.need));
}
inline Grid Jumped(Grid p, const GridJump &j) { return p ^ j.flip; }

class Board {
public:
    static const Board &Of(Shape shape);

    Shape shape() const { return shape_; }
    Grid holes() const { return holes_; }
    int holeCount() const { return GridPegs(holes_); }
    bool IsHole(int col, int row) const;
    // By source hole row by row, then up, right, down, left, as the cross's.
    std::span<const GridJump> jumps() const { return jumps_; }

private:
    explicit Board(Shape shape);
    Shape shape_;
    Grid holes_ = 0;
    std::vector<GridJump> jumps_;
};

bool AnyJumpLeft(Shape shape, Grid p);

// The 8 symmetries of the square about the centre (4,4): 0 is the identity,
// 1 to 3 quarter turns, 4 to 7 those mirrored. Both boards have all 8.
inline constexpr int SYMMETRIES = 8;
using SymmetrySet = unsigned;  // bit s for symmetry s
inline constexpr SymmetrySet ALL_SYMMETRIES = 0xff;
int TransformedBit(int symmetry, int bit);
Grid GridTransformed(int symmetry, Grid g);
// The least of the images of g under the given symmetries.
Grid GridCanonical(Grid g, SymmetrySet symmetries = ALL_SYMMETRIES);

// The position class: four parities that no jump changes. On each set of
// diagonals, numbered mod 3, a jump takes a peg from each of three sets or
// puts one in, so the parities of their counts all flip together and the
// parity of any two together stays. Two positions of different classes can
// never become one another.
int PositionClass(Grid g);

} // namespace peg
