// SPDX-License-Identifier: MIT
// wintable FILE: works out which positions can be reached from the start and
// can still end with one peg in the centre, and writes them in the game's
// stored form (see wintable.h). Run at build time; a few seconds, a few
// hundred megabytes.
//
// Going forward from the start gives R(n), the positions of n pegs that can
// be reached. A position can end with one peg in the centre exactly when its
// complement is in R(33 - n) (play the moves backwards on the complement), so
// only R(32) down to R(17) are needed:
// - of 16 pegs, the kept ones are the complements of R(17) that a jump from
//   a position of R(17) makes;
// - of fewer, those a jump from a kept position of one peg more makes whose
//   complement is in R(33 - n).

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <type_traits>
#include <vector>

#include "wintable.h"

namespace {

using peg::Position;

// A set of positions by open addressing; 0, no position that play reaches,
// marks a free slot. Membership is the generator's inner loop.
class PositionSet {
public:
    void insert(Position p)
    {
        if (2 * (size_ + 1) > slots_.size())
            grow();
        if (Position &slot = find(p); slot == 0) {
            slot = p;
            ++size_;
        }
    }
    bool contains(Position p) const { return const_cast<PositionSet *>(this)->find(p) == p; }
    template <typename Visit>
    void each(Visit visit) const
    {
        for (Position p : slots_)
            if (p != 0)
                visit(p);
    }
    std::vector<Position> sorted() const
    {
        std::vector<Position> out;
        out.reserve(size_);
        each([&](Position p) { out.push_back(p); });
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    Position &find(Position p)
    {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = (p * 0x9E3779B97F4A7C15u) >> 20 & mask;; i = (i + 1) & mask)
            if (slots_[i] == p || slots_[i] == 0)
                return slots_[i];
    }
    void grow()
    {
        std::vector<Position> old(std::max<std::size_t>(1024, 2 * slots_.size()));
        old.swap(slots_);
        size_ = 0;
        for (Position p : old)
            if (p != 0)
                insert(p);
    }

    std::vector<Position> slots_;
    std::size_t size_ = 0;
};

// Canonical positions one jump on from those of `from` that `keep` accepts.
template <typename From, typename Keep>
PositionSet Successors(const From &from, Keep keep)
{
    PositionSet out;
    auto visit = [&](Position p) {
        for (const peg::Jump &j : peg::Jumps())
            if (peg::CanJump(p, j))
                if (const Position q = peg::Canonical(peg::Jumped(p, j)); keep(q))
                    out.insert(q);
    };
    if constexpr (std::is_same_v<From, PositionSet>)
        from.each(visit);
    else
        std::for_each(from.begin(), from.end(), visit);
    return out;
}

// Whether some jump from a position of `from` makes p: p's predecessors are
// the jumps played backwards.
bool Made(const PositionSet &from, Position p)
{
    for (const peg::Jump &j : peg::Jumps()) {
        const peg::Jump back{j.to, j.over, j.from};
        if ((p >> back.from & 1) && !(p >> back.over & 1) && !(p >> back.to & 1) &&
            from.contains(peg::Canonical(peg::Jumped(p, back))))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: wintable FILE\n");
        return 2;
    }
    constexpr int KEPT = peg::KEPT_PEGS;
    std::vector<PositionSet> reached(peg::HOLES);
    reached[32].insert(peg::Canonical(peg::START_POSITION));
    for (int pegs = 31; pegs > KEPT; --pegs)
        reached[pegs] = Successors(reached[pegs + 1], [](Position) { return true; });

    peg::WinLevels kept;
    PositionSet level;
    reached[KEPT + 1].each([&](Position p) {
        if (const Position c = peg::Complement(p); Made(reached[KEPT + 1], c))
            level.insert(peg::Canonical(c));
    });
    kept[KEPT] = level.sorted();
    for (int pegs = KEPT - 1; pegs >= 1; --pegs) {
        // Each position once, then whether it can end so.
        Successors(kept[pegs + 1], [](Position) { return true; }).each([&](Position q) {
            if (reached[peg::HOLES - pegs].contains(peg::Canonical(peg::Complement(q))))
                kept[pegs].push_back(q);
        });
        std::sort(kept[pegs].begin(), kept[pegs].end());
    }

    std::size_t total = 0;
    for (int pegs = 1; pegs <= KEPT; ++pegs)
        total += kept[pegs].size();
    const std::string bytes = peg::EncodeWinTable(kept);
    const std::string file = argv[1], part = file + ".part";
    std::ofstream(part, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    if (total == 0 || std::rename(part.c_str(), file.c_str()) != 0) {
        std::perror(file.c_str());
        return 1;
    }
    std::printf("%zu positions of 1 to %d pegs, %zu bytes\n", total, KEPT, bytes.size());
    return 0;
}
