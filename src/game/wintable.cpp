// SPDX-License-Identifier: MIT
#include "wintable.h"

#include <algorithm>
#include <cstring>

namespace peg {

namespace {

constexpr char MAGIC[] = "PEGWIN1\n";
constexpr std::size_t MAGIC_SIZE = sizeof MAGIC - 1;
constexpr std::size_t HEADER_SIZE = MAGIC_SIZE + 4 * KEPT_PEGS;

} // namespace

std::string EncodeWinTable(const WinLevels &levels)
{
    std::string out(MAGIC, MAGIC_SIZE);
    for (int pegs = 1; pegs <= KEPT_PEGS; ++pegs)
        for (int b = 0; b < 4; ++b)
            out += char(levels[pegs].size() >> (8 * b) & 0xff);
    for (int pegs = 1; pegs <= KEPT_PEGS; ++pegs) {
        Position last = 0;
        for (Position p : levels[pegs]) {
            for (Position d = p - last; ; d >>= 7) {
                out += char((d & 0x7f) | (d >= 0x80 ? 0x80 : 0));
                if (d < 0x80)
                    break;
            }
            last = p;
        }
    }
    return out;
}

bool WinTable::Decode(std::span<const unsigned char> bytes)
{
    levels_ = {};
    if (bytes.size() < HEADER_SIZE || std::memcmp(bytes.data(), MAGIC, MAGIC_SIZE) != 0)
        return false;
    std::size_t at = HEADER_SIZE;
    std::array<Level, KEPT_PEGS + 1> levels;
    for (int pegs = 1; pegs <= KEPT_PEGS; ++pegs) {
        std::uint32_t count = 0;
        for (int b = 0; b < 4; ++b)
            count |= std::uint32_t(bytes[MAGIC_SIZE + 4 * (pegs - 1) + b]) << (8 * b);
        Level &level = levels[pegs];
        level.low.reserve(std::min<std::size_t>(count, bytes.size() - at));  // a byte each at least
        Position p = 0;
        for (std::uint32_t i = 0; i < count; ++i) {
            Position d = 0;
            for (int shift = 0;; shift += 7) {
                if (at == bytes.size() || shift > 28)
                    return false;
                d |= Position(bytes[at] & 0x7f) << shift;
                if (!(bytes[at++] & 0x80))
                    break;
            }
            // Strictly rising, on the cross, with the level's number of pegs.
            if ((d == 0 && i > 0) || d > ALL_HOLES - p || PegCount(p + d) != pegs)
                return false;
            p += d;
            if (p >> 32 == 0)
                level.without33rdBit = i + 1;
            level.low.push_back(std::uint32_t(p));
        }
    }
    if (at != bytes.size())
        return false;
    levels_ = std::move(levels);
    return true;
}

bool WinTable::contains(int pegs, Position canonical) const
{
    const Level &level = levels_[pegs];
    const auto narrow = level.low.begin() + std::ptrdiff_t(level.without33rdBit);
    const auto first = canonical >> 32 ? narrow : level.low.begin();
    const auto last = canonical >> 32 ? level.low.end() : narrow;
    return std::binary_search(first, last, std::uint32_t(canonical));
}

std::size_t WinTable::Count(int pegs) const
{
    if (pegs < 1 || pegs >= HOLES)
        return 0;
    return levels_[pegs <= KEPT_PEGS ? pegs : HOLES - pegs].low.size();
}

bool WinTable::CanFinish(Position p) const
{
    const int pegs = PegCount(p);
    if (pegs < 1 || pegs >= HOLES)
        return false;
    if (pegs <= KEPT_PEGS)
        return contains(pegs, Canonical(p));
    return contains(HOLES - pegs, Canonical(Complement(p)));
}

} // namespace peg
