// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "positions.h"

namespace peg {

// The positions that can be reached from the start and can still end with
// one peg in the centre. Only those with at most 16 pegs are kept, each in
// its canonical form: a position can end so exactly when its complement can
// be reached from the start, so the complements of the kept ones are the
// rest.
inline constexpr int KEPT_PEGS = 16;
// George Bell's counts of them, up to symmetry, by pegs from 1 to 16; the
// rest mirror them. The build refuses a table that does not hold them.
inline constexpr std::array<std::size_t, KEPT_PEGS> PUBLISHED_WIN_COUNTS = {
    1, 1, 2, 8, 38, 164, 635, 2089, 6174, 16020, 35749, 68326, 112788, 162319, 204992, 230230};
using WinLevels = std::array<std::vector<Position>, KEPT_PEGS + 1>;  // by pegs, each sorted

// The stored form: "PEGWIN1\n", the count for 1 to 16 pegs as 32-bit little
// endian numbers, then each level's positions in order as differences from
// the one before, 7 bits to a byte, lowest first.
std::string EncodeWinTable(const WinLevels &levels);

class WinTable {
public:
    // Takes the stored form; false, keeping nothing, unless every count,
    // position and byte is as EncodeWinTable writes them.
    bool Decode(std::span<const unsigned char> bytes);

    // How many positions of so many pegs (0 to 33) are in the set.
    std::size_t Count(int pegs) const;
    bool CanFinish(Position p) const;

private:
    // Positions take 33 bits: a level keeps the low 32 of each, and how
    // many have no 33rd bit (they come first, in order).
    struct Level {
        std::vector<std::uint32_t> low;
        std::size_t without33rdBit = 0;
    };
    bool contains(int pegs, Position canonical) const;

    std::array<Level, KEPT_PEGS + 1> levels_;
};

} // namespace peg
