// SPDX-License-Identifier: MIT
// wintable FILE: works out which positions can be reached from the start and
// can still end with one peg in the centre, and writes them in the game's
// stored form (see wintable.h). Run at build time; a few seconds, a few
// hundred megabytes. The table is written beside FILE, read back, and takes
// FILE's name only when it decodes and holds the published counts: the game
// trusts it without a check of its own. wintable FILE FROM stores the table
// in FROM the same way, without working it out.
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
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
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

using File = std::unique_ptr<std::FILE, int (*)(std::FILE *)>;

// What went wrong with the file, in the system's words. Each step below
// returns such a text, or an empty one when all went well.
std::string Fault(const std::string &file)
{
    return file + ": " + std::strerror(errno);
}

std::string ReadFile(const std::string &file, std::string &bytes)
{
    File in(std::fopen(file.c_str(), "rb"), std::fclose);
    if (!in)
        return Fault(file);
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in.get())) > 0)
        bytes.append(buffer, n);
    return std::ferror(in.get()) ? Fault(file) : "";
}

// Every write and the close are checked: a full disk or a size limit may
// show at either.
std::string WriteFile(const std::string &file, const std::string &bytes)
{
    std::FILE *out = std::fopen(file.c_str(), "wb");
    if (!out)
        return Fault(file);
    if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) {
        const std::string why = Fault(file);
        std::fclose(out);
        return why;
    }
    return std::fclose(out) == 0 ? "" : Fault(file);
}

// Whether the file holds the table whole, as the game will decode it.
std::string CheckFile(const std::string &file)
{
    std::string bytes;
    if (std::string why = ReadFile(file, bytes); !why.empty())
        return why;
    peg::WinTable table;
    if (!table.Decode(std::span(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size())))
        return file + ": not a whole table of winning positions";
    for (int pegs = 1; pegs <= peg::KEPT_PEGS; ++pegs)
        if (table.Count(pegs) != peg::PUBLISHED_WIN_COUNTS[pegs - 1])
            return file + ": " + std::to_string(table.Count(pegs)) + " positions of " + std::to_string(pegs) +
                   " pegs, not the published " + std::to_string(peg::PUBLISHED_WIN_COUNTS[pegs - 1]);
    return "";
}

std::string Store(const std::string &bytes, const std::string &file)
{
    const std::string part = file + ".part";
    std::string why = WriteFile(part, bytes);
    if (why.empty())
        why = CheckFile(part);
    if (why.empty() && std::rename(part.c_str(), file.c_str()) != 0)
        why = Fault(file);
    if (!why.empty())
        std::remove(part.c_str());
    return why;
}

peg::WinLevels WorkOut()
{
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
    return kept;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: wintable FILE [FROM]\n");
        return 2;
    }
    std::string bytes;
    std::string why = argc == 3 ? ReadFile(argv[2], bytes) : "";
    if (argc == 2)
        bytes = peg::EncodeWinTable(WorkOut());
    if (why.empty())
        why = Store(bytes, argv[1]);
    if (!why.empty()) {
        std::fprintf(stderr, "wintable: %s\n", why.c_str());
        return 1;
    }
    std::printf("%s: the winning positions of 1 to %d pegs, %zu bytes\n", argv[1], peg::KEPT_PEGS, bytes.size());
    return 0;
}
