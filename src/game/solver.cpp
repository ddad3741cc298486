// SPDX-License-Identifier: MIT
#include "solver.h"

#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <new>
#include <map>
#include <mutex>
#include <sstream>

namespace peg {

Move GridMove(const GridJump &j)
{
    return {Int16(GridCol(j.from)), Int16(GridRow(j.from)), Int16(GridCol(j.to)), Int16(GridRow(j.to))};
}

SymmetrySet GoalSymmetries(int goalHole)
{
    SymmetrySet set = 0;
    for (int s = 0; s < SYMMETRIES; ++s)
        if (goalHole < 0 || TransformedBit(s, goalHole) == goalHole)
            set |= 1u << s;
    return set;
}

namespace {

// The steep pagoda of hole h: the weight of a peg d steps (along rows and
// columns) from h is F(10 - d), F the Fibonacci numbers. A jump towards h
// trades F(k) + F(k+1) for F(k+2), any other loses, so the sum over the pegs
// never grows: a position whose sum is below a lone peg's on h (55) can
// never end there.
int SteepWeight(int hole, int bit)
{
    static const std::array<int, 13> weight = [] {
        std::array<int, 13> w{};
        int a = 0, b = 1;  // F(0), F(1)
        for (int k = 0; k <= 10; ++k) {
            w[10 - k] = a;
            const int c = a + b;
            a = b;
            b = c;
        }
        return w;
    }();
    const int d = std::abs(GridCol(hole) - GridCol(bit)) + std::abs(GridRow(hole) - GridRow(bit));
    return d <= 10 ? weight[d] : 0;
}

// The weights of pagodas as a lookup per row of the grid, so that a sum is
// seven lookups.
using PagodaRows = std::array<std::array<std::int16_t, 128>, GRID_SIDE>;

PagodaRows RowsOf(const Pagoda &w)
{
    PagodaRows rows{};
    for (int row = 0; row < GRID_SIDE; ++row)
        for (int v = 0; v < 128; ++v)
            for (int c = 0; c < GRID_SIDE; ++c)
                if (v >> c & 1)
                    rows[row][v] = std::int16_t(rows[row][v] + w[row * GRID_SIDE + c]);
    return rows;
}

int Sum(const PagodaRows &t, Grid g)
{
    return t[0][g & 127] + t[1][g >> 7 & 127] + t[2][g >> 14 & 127] + t[3][g >> 21 & 127] + t[4][g >> 28 & 127] +
           t[5][g >> 35 & 127] + t[6][g >> 42 & 127];
}

const std::array<PagodaRows, 49> &SteepRows()
{
    static const std::array<PagodaRows, 49> rows = [] {
        std::array<PagodaRows, 49> r;
        for (int h = 0; h < 49; ++h) {
            Pagoda w{};
            for (int bit = 0; bit < 49; ++bit)
                w[bit] = SteepWeight(h, bit);
            r[h] = RowsOf(w);
        }
        return r;
    }();
    return rows;
}

constexpr int PAGODA_LONE = 55;

// Whether some hole of `finish` can still take the last peg by the steep
// pagodas.
bool PagodasAllow(Grid finish, Grid p)
{
    for (Grid f = finish; f; f &= f - 1)
        if (Sum(SteepRows()[__builtin_ctzll(f)], p) >= PAGODA_LONE)
            return true;
    return false;
}

// Pagodas drawn for a board, row by row, '.' off the board; each is used with
// its images. A peg left in a corner or at an arm's end costs: the last peg
// must stand on a hole that weighs more than the position.
struct Drawing {
    Shape shape;
    const char *weights;
};
constexpr Drawing DRAWINGS[] = {
    {Shape::English, // the corners of the arms
     ". . -1 1 -1 . .  . . 1 1 1 . .  -1 1 0 1 0 1 -1  1 1 1 1 1 1 1  -1 1 0 1 0 1 -1  . . 1 1 1 . .  . . -1 1 -1 . ."},
    {Shape::English, // one arm's corners
     ". . -1 1 -1 . .  . . 1 1 1 . .  1 1 0 1 0 1 1  1 1 1 1 1 1 1  1 1 1 1 1 1 1  . . 1 1 1 . .  . . 1 1 1 . ."},
    {Shape::French, // the corners of the arms and the board's
     ". . -1 1 -1 . .  . -1 1 0 1 -1 .  -1 1 0 1 0 1 -1  1 0 1 1 1 0 1  -1 1 0 1 0 1 -1  . -1 1 0 1 -1 .  . . -1 1 -1 . ."},
    {Shape::French, // one arm's corners
     ". . -1 1 -1 . .  . 1 1 1 1 1 .  1 1 0 1 0 1 1  1 1 1 1 1 1 1  1 1 1 1 1 1 1  . 1 1 1 1 1 .  . . 1 1 1 . ."},
    {Shape::French, // one of the board's corners
     ". . 1 1 1 . .  . -1 1 0 1 1 .  1 1 1 1 1 1 1  1 0 1 1 1 1 1  1 1 1 1 1 1 1  . 1 1 1 1 1 .  . . 1 1 1 . ."},
};

std::vector<Pagoda> MakePagodas(Shape shape)
{
    std::vector<Pagoda> list;
    for (const Drawing &d : DRAWINGS) {
        if (d.shape != shape)
            continue;
        Pagoda w{};
        std::istringstream in(d.weights);
        std::string token;
        for (int bit = 0; bit < 49 && in >> token; ++bit)
            w[bit] = token == "." ? 0 : std::stoi(token);
        for (int s = 0; s < SYMMETRIES; ++s) {
            Pagoda image{};
            for (int bit = 0; bit < 49; ++bit)
                image[TransformedBit(s, bit)] = w[bit];
            if (std::find(list.begin(), list.end(), image) == list.end())
                list.push_back(image);
        }
    }
    const Grid holes = Board::Of(shape).holes();
    for (int h = 0; h < 49; ++h)
        if (holes >> h & 1) {
            Pagoda w{};
            for (int bit = 0; bit < 49; ++bit)
                w[bit] = holes >> bit & 1 ? SteepWeight(h, bit) : 0;
            list.push_back(w);
        }
    return list;
}

} // namespace

const std::vector<Pagoda> &Pagodas(Shape shape)
{
    static const std::vector<Pagoda> english = MakePagodas(Shape::English), french = MakePagodas(Shape::French);
    return shape == Shape::French ? french : english;
}

// ---- Complete knowledge

Knowledge::Knowledge(const Problem &problem)
    : shape_(problem.shape), symmetries_(GoalSymmetries(problem.goalHole))
{
}

std::optional<Knowledge> Knowledge::Build(const Problem &problem, const std::atomic<bool> *cancel)
{
    Knowledge k(problem);
    const Board &board = Board::Of(problem.shape);
    const Grid start = problem.start;
    const int top = GridPegs(start);
    // The positions kept are images of those played under the goal's
    // symmetries, which keep the goal's hole but not the holes the start's
    // class allows: for a goal of any hole the pagodas rule nothing out.
    const Grid finish = !FinishHoles(problem.shape, problem.goalHole, start) ? 0
                        : problem.goalHole >= 0                              ? Grid(1) << problem.goalHole
                                                                             : board.holes();
    auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };

    // Forward: what can be reached, leaving out what the pagodas rule out.
    k.levels_.assign(top + 1, {});
    if (finish && PagodasAllow(finish, start))
        k.levels_[top].push_back(GridCanonical(start, k.symmetries_));
    for (int pegs = top; pegs > 1; --pegs) {
        std::vector<Grid> &next = k.levels_[pegs - 1];
        std::size_t n = 0;
        for (const Grid p : k.levels_[pegs]) {
            if ((++n & 4095) == 0 && cancelled())
                return std::nullopt;
            for (const GridJump &j : board.jumps())
                if (CanJump(p, j))
                    if (const Grid c = Jumped(p, j); PagodasAllow(finish, c))
                        next.push_back(GridCanonical(c, k.symmetries_));
            if (next.size() > (std::size_t(1) << 20) && next.size() > 2 * n) {
                std::sort(next.begin(), next.end());
                next.erase(std::unique(next.begin(), next.end()), next.end());
            }
        }
        std::sort(next.begin(), next.end());
        next.erase(std::unique(next.begin(), next.end()), next.end());
    }
    // Backward: keep what has a move into a kept position one peg down.
    // (The goal's symmetries keep its hole where it is.)
    std::erase_if(k.levels_[1], [&](Grid p) { return problem.goalHole >= 0 && p != Grid(1) << problem.goalHole; });
    for (int pegs = 2; pegs <= top; ++pegs) {
        if (cancelled())
            return std::nullopt;
        const std::vector<Grid> &below = k.levels_[pegs - 1];
        std::erase_if(k.levels_[pegs], [&](Grid p) {
            for (const GridJump &j : board.jumps())
                if (CanJump(p, j) && std::binary_search(below.begin(), below.end(), GridCanonical(Jumped(p, j), k.symmetries_)))
                    return false;
            return true;
        });
        k.levels_[pegs].shrink_to_fit();
    }
    return k;
}

bool Knowledge::CanFinish(Grid p) const
{
    const std::size_t pegs = GridPegs(p);
    if (pegs >= levels_.size())
        return false;
    const std::vector<Grid> &level = levels_[pegs];
    return std::binary_search(level.begin(), level.end(), GridCanonical(p, symmetries_));
}

std::vector<Move> Knowledge::WinningMoves(Grid p) const
{
    std::vector<Move> moves;
    for (const GridJump &j : Board::Of(shape_).jumps())
        if (CanJump(p, j) && CanFinish(Jumped(p, j)))
            moves.push_back(GridMove(j));
    return moves;
}

std::size_t Knowledge::Count() const
{
    std::size_t n = 0;
    for (const auto &level : levels_)
        n += level.size();
    return n;
}

// ---- Bounded proof

namespace {

// A set of positions, open-addressed; 0 is never a member.
class GridSet {
public:
    bool Contains(Grid g) const
    {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = Hash(g) & mask;; i = (i + 1) & mask) {
            if (slots_[i] == g)
                return true;
            if (slots_[i] == 0)
                return false;
        }
    }
    void Insert(Grid g)
    {
        if (2 * (used_ + 1) > slots_.size()) {
            std::vector<Grid> old(slots_.size() * 2);
            old.swap(slots_);
            used_ = 0;
            for (const Grid o : old)
                if (o)
                    Insert(o);
        }
        const std::size_t mask = slots_.size() - 1;
        std::size_t i = Hash(g) & mask;
        while (slots_[i] && slots_[i] != g)
            i = (i + 1) & mask;
        used_ += slots_[i] == 0;
        slots_[i] = g;
    }
    void Prefetch(Grid g) const { __builtin_prefetch(&slots_[Hash(g) & (slots_.size() - 1)]); }
private:
    static std::size_t Hash(Grid g) { return std::size_t((g * 0x9E3779B97F4A7C15ull) >> 20); }
    std::vector<Grid> slots_ = std::vector<Grid>(std::size_t(1) << 16);
    std::size_t used_ = 0;
};

// Every position of at most `top` pegs that can reach the goal, worked out
// backwards from the goal's last pegs: from `top` pegs down a search looks
// up instead of searching, and most of a search's positions lie there.
struct Lows {
    int top;
    GridSet set;
};

Lows MakeLows(Shape shape, int goalHole, SymmetrySet symmetries)
{
    const Board &board = Board::Of(shape);
    Lows lows{shape == Shape::French ? 9 : 10, {}};
    std::vector<Grid> level;
    for (int bit = 0; bit < 49; ++bit)
        if ((board.holes() >> bit & 1) && (goalHole < 0 || bit == goalHole))
            level.push_back(GridCanonical(Grid(1) << bit, symmetries));
    for (int pegs = 1;; ++pegs) {
        std::sort(level.begin(), level.end());
        level.erase(std::unique(level.begin(), level.end()), level.end());
        for (const Grid p : level)
            lows.set.Insert(p);
        if (pegs == lows.top)
            return lows;
        std::vector<Grid> up;
        for (const Grid p : level)
            for (const GridJump &j : board.jumps())
                if ((p >> j.to & 1) && !(p & j.need))
                    up.push_back(GridCanonical(p ^ j.flip, symmetries));
        level.swap(up);
    }
}

const Lows &LowsFor(Shape shape, int goalHole)
{
    static std::mutex mutex;
    static std::map<std::pair<Shape, int>, std::unique_ptr<Lows>> made;
    const std::lock_guard lock(mutex);
    auto &lows = made[{shape, goalHole}];
    if (!lows)
        lows = std::make_unique<Lows>(MakeLows(shape, goalHole, GoalSymmetries(goalHole)));
    return *lows;
}

// The pagodas of a board as lookups: the drawn ones, whose sums a position
// takes once for all its holes, then the steep one of each hole.
struct PagodaCheck {
    std::vector<PagodaRows> rows;
    std::vector<Pagoda> weights;
    static constexpr std::size_t MAX_DRAWN = 16;
    std::size_t drawn = 0;  // the first, at most MAX_DRAWN used
    std::array<int, 49> steep{};  // by hole, the index of its steep pagoda
    Grid corners = 0;  // the holes the first drawn pagoda weighs below 0

    explicit PagodaCheck(Shape shape) : weights(Pagodas(shape))
    {
        const Grid holes = Board::Of(shape).holes();
        drawn = std::min(weights.size() - std::size_t(GridPegs(holes)), MAX_DRAWN);
        for (const Pagoda &w : weights)
            rows.push_back(RowsOf(w));
        for (int bit = 0; bit < 49; ++bit)
            if (drawn && weights[0][bit] < 0)
                corners |= Grid(1) << bit;
        for (std::size_t h = 0, k = weights.size() - std::size_t(GridPegs(holes)); h < 49; ++h)
            if (holes >> h & 1)
                steep[h] = int(k++);
    }

    // Whether no hole of `targets` can take the last peg from p by them.
    bool RuleOut(Grid targets, Grid p) const
    {
        std::array<int, MAX_DRAWN> sums;
        for (std::size_t k = 0; k < drawn; ++k)
            sums[k] = Sum(rows[k], p);
        for (Grid f = targets; f; f &= f - 1) {
            const int t = __builtin_ctzll(f);
            bool out = Sum(rows[std::size_t(steep[t])], p) < PAGODA_LONE;
            for (std::size_t k = 0; k < drawn && !out; ++k)
                out = sums[k] < weights[k][t];
            if (!out)
                return false;
        }
        return true;
    }
};

const PagodaCheck &PagodaCheckFor(Shape shape)
{
    static const PagodaCheck english(Shape::English), french(Shape::French);
    return shape == Shape::French ? french : english;
}

} // namespace

bool PagodasRuleOut(Shape shape, Grid targets, Grid p)
{
    return PagodaCheckFor(shape).RuleOut(targets, p);
}

// Positions from which the goal cannot be reached, in canonical form, as a
// cache of fixed size: a cache line of eight a bucket, a full bucket giving
// up one of its eight. It only saves work, so forgetting is safe; the dead
// ends near the present question, the ones that count, stay.
struct Prover::Dead {
    static constexpr std::size_t BUCKETS = std::size_t(1) << 21;  // 128 MB
    Dead(const Lows &l, const PagodaCheck &p) : lows(l), pagodas(p) {}
    const Lows &lows;
    const PagodaCheck &pagodas;
    // The system's zeroed pages, taken only as they are written, and large
    // ones where it has them: each lookup lands on a page of its own.
    static constexpr std::size_t BYTES = BUCKETS * 8 * sizeof(Grid);
    static Grid *Map()
    {
        void *m = mmap(nullptr, BYTES, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (m == MAP_FAILED)
            return nullptr;
        madvise(m, BYTES, MADV_HUGEPAGE);
        return static_cast<Grid *>(m);
    }
    struct Unmap {
        void operator()(Grid *g) const { munmap(g, BYTES); }
    };
    std::unique_ptr<Grid, Unmap> cache{Map()};
    Grid *slots = cache.get();

    static std::size_t Hash(Grid g) { return std::size_t((g * 0x9E3779B97F4A7C15ull) >> 32); }
    void Prefetch(Grid g) const { __builtin_prefetch(&slots[(Hash(g) & (BUCKETS - 1)) * 8]); }
    bool Contains(Grid g) const
    {
        const Grid *bucket = &slots[(Hash(g) & (BUCKETS - 1)) * 8];
        for (int k = 0; k < 8; ++k)
            if (bucket[k] == g)
                return true;
        return false;
    }
    void Insert(Grid g)
    {
        const std::size_t h = Hash(g);
        Grid *bucket = &slots[(h & (BUCKETS - 1)) * 8];
        for (int k = 0; k < 8; ++k)
            if (bucket[k] == 0) {
                bucket[k] = g;
                return;
            }
        bucket[h >> 29 & 7] = g;
    }
};

constexpr int CORNER_COST = 40;

struct Prover::Search {
    const Board &board;
    Dead &dead;
    SymmetrySet symmetries;
    Grid finish;  // where the class of the position asked about lets its last peg be
    Grid goal;    // the one hole the goal asks for, or 0 for any
    const ProofLimits &limits;
    std::chrono::steady_clock::time_point until;
    std::uint64_t nodes = 0;
    std::uint64_t runEnd = 0;  // where the present run gives up
    bool stopped = false;      // for this run
    bool over = false;         // for good: out of time, nodes or cancelled
    std::vector<int> line = {};  // jump numbers, last first
    Grid targets = 0;  // the finish holes of the image the present run searches

    std::uint64_t nextLook = 0;  // when the clock and the flag are looked at next

    bool Stop()
    {
        if (limits.nodes && nodes >= limits.nodes)
            over = true;
        if (nodes >= nextLook) {
            nextLook = nodes + 1024;
            if ((limits.cancel && limits.cancel->load(std::memory_order_relaxed)) ||
                std::chrono::steady_clock::now() >= until)
                over = true;
        }
        return over || nodes >= runEnd;
    }

    // Pegs with no peg beside them along a row or a column.
    static int Isolated(Grid g)
    {
        constexpr Grid COLUMN_1 = 0x40810204081ull, COLUMN_7 = COLUMN_1 << 6;
        const Grid beside = (g << 1 & ~COLUMN_1) | (g >> 1 & ~COLUMN_7) | g << 7 | g >> 7;
        int n = 0;  // few: counted one by one, quicker than a popcount without the instruction
        for (Grid alone = g & ~beside; alone; alone &= alone - 1)
            ++n;
        return n;
    }
    // Moves that leave fewer pegs alone first, then fewer in the corners the
    // pagodas count against, then those that take a peg further out: lines that clear the edges while keeping pegs together are
    // found soonest.
    int Score(Grid p, const GridJump &j) const
    {
        const int c = GridCol(j.over) - 4, r = GridRow(j.over) - 4;
        const Grid after = Jumped(p, j);
        int cornered = 0;
        for (Grid k = after & dead.pagodas.corners; k; k &= k - 1)
            ++cornered;
        return Isolated(after) * 100 + cornered * CORNER_COST - (c * c + r * r);
    }

    // The line from p, which the lows hold, to the goal.
    void Descend(Grid p)
    {
        std::vector<int> down;
        while (GridPegs(p) > 1) {
            const auto jumps = board.jumps();
            for (std::size_t i = 0; i < jumps.size(); ++i)
                if (CanJump(p, jumps[i]) && dead.lows.set.Contains(GridCanonical(Jumped(p, jumps[i]), symmetries))) {
                    down.push_back(int(i));
                    p = Jumped(p, jumps[i]);
                    break;
                }
        }
        line.insert(line.end(), down.rbegin(), down.rend());
    }

    // True when the goal is reached from p; false when it cannot be or the
    // search stopped (then `stopped`).
    bool Reach(Grid p, int pegs)
    {
        if (pegs == 1)
            return !goal || p == goal;  // p may be an image of the root's: the goal's symmetries keep its hole
        ++nodes;
        if (stopped || (stopped = Stop()))
            return false;
        if (pegs <= dead.lows.top) {
            if (!dead.lows.set.Contains(GridCanonical(p, symmetries)))
                return false;
            Descend(p);
            return true;
        }
        if (dead.pagodas.RuleOut(targets, p))
            return false;
        const Grid c = GridCanonical(p, symmetries);
        return !dead.Contains(c) && Expand(p, pegs, c);
    }

    // Reach for a position above the lows that the pagodas leave and the
    // cache does not hold, c its canonical form. The moves' positions are
    // looked at all before the first is searched, so that their buckets of
    // the cache, far apart in memory, are fetched together.
    bool Expand(Grid p, int pegs, Grid c)
    {
        if (pegs == dead.lows.top + 1)
            return Last(p, c);
        const auto jumps = board.jumps();
        // Score and jump number in one key, sorted by insertion: few moves.
        std::array<int, 96> order;
        int n = 0;
        for (std::size_t i = 0; i < jumps.size(); ++i)
            if (CanJump(p, jumps[i])) {
                const int key = (Score(p, jumps[i]) + 1000) << 7 | int(i);
                int k = n++;
                for (; k > 0 && order[k - 1] > key; --k)
                    order[k] = order[k - 1];
                order[k] = key;
            }
        std::array<Grid, 96> canonical;
        int left = 0;
        for (int k = 0; k < n; ++k) {
            const Grid q = Jumped(p, jumps[std::size_t(order[k] & 127)]);
            if (dead.pagodas.RuleOut(targets, q))
                continue;
            order[left] = order[k];
            canonical[left] = GridCanonical(q, symmetries);
            dead.Prefetch(canonical[left++]);
        }
        nodes += std::uint64_t(n - left);
        for (int k = 0; k < left; ++k) {
            ++nodes;
            if (stopped || (stopped = Stop()))
                return false;
            const int i = order[k] & 127;
            if (dead.Contains(canonical[k]))
                continue;
            if (Expand(Jumped(p, jumps[std::size_t(i)]), pegs - 1, canonical[k])) {
                line.push_back(i);
                return true;
            }
            if (stopped)
                return false;
        }
        dead.Insert(c);
        return false;
    }

    // A position one peg above the lows: its moves are looked up there, all
    // canonical forms worked out and fetched before the first lookup.
    bool Last(Grid p, Grid c)
    {
        const auto jumps = board.jumps();
        std::array<Grid, 96> below;
        std::array<int, 96> index;
        int n = 0;
        for (std::size_t i = 0; i < jumps.size(); ++i)
            if (CanJump(p, jumps[i])) {
                below[n] = GridCanonical(Jumped(p, jumps[i]), symmetries);
                dead.lows.set.Prefetch(below[n]);
                index[n++] = int(i);
            }
        nodes += std::uint64_t(n);
        for (int k = 0; k < n; ++k)
            if (dead.lows.set.Contains(below[k])) {
                Descend(Jumped(p, jumps[std::size_t(index[k])]));
                line.push_back(index[k]);
                return true;
            }
        dead.Insert(c);
        return false;
    }

};

Prover::Prover(Shape shape, int goalHole)
    : shape_(shape), goalHole_(goalHole), dead_(std::make_unique<Dead>(LowsFor(shape, goalHole), PagodaCheckFor(shape)))
{
    if (!dead_->slots)
        throw std::bad_alloc();
}
Prover::~Prover() = default;

namespace {

// The search is run on each image of p under the goal's symmetries in turn,
// with a number of positions to look at that doubles every round: how long
// a line takes to find depends much on the order moves are tried in, which
// differs between the images, and the dead positions each run finds are
// kept for the next.
Proof Run(Prover::Search &s, Grid p)
{
    Proof proof;
    if (!s.finish) {
        proof.verdict = Verdict::Unreachable;
        return proof;
    }
    for (std::uint64_t budget = 1024;; budget *= 2)
        for (int sym = 0; sym < SYMMETRIES; ++sym) {
            if (!(s.symmetries >> sym & 1))
                continue;
            s.line.clear();
            s.stopped = false;
            s.runEnd = s.nodes + budget;
            s.targets = GridTransformed(sym, s.finish);
            const bool reached = s.Reach(GridTransformed(sym, p), GridPegs(p));
            if (reached) {
                proof.verdict = Verdict::Reachable;
                int back = 0;
                while (TransformedBit(back, TransformedBit(sym, 0)) != 0 || TransformedBit(back, TransformedBit(sym, 1)) != 1)
                    ++back;
                for (auto i = s.line.rbegin(); i != s.line.rend(); ++i) {
                    const GridJump &j = s.board.jumps()[std::size_t(*i)];
                    proof.line.push_back(GridMove({TransformedBit(back, j.from), 0, TransformedBit(back, j.to), 0, 0}));
                }
                return proof;
            }
            if (!s.stopped)
                proof.verdict = Verdict::Unreachable;
            if (!s.stopped || s.over)
                return proof;
        }
}

} // namespace

Proof Prover::Prove(Grid p, const ProofLimits &limits)
{
    Search s{Board::Of(shape_), *dead_, GoalSymmetries(goalHole_), FinishHoles(shape_, goalHole_, p),
             goalHole_ < 0 ? 0 : Grid(1) << goalHole_, limits,
             std::chrono::steady_clock::now() + limits.time};
    return Run(s, p);
}

std::vector<Prover::MoveProof> Prover::Moves(Grid p, const ProofLimits &limits)
{
    const Board &board = Board::Of(shape_);
    Search s{board, *dead_, GoalSymmetries(goalHole_), FinishHoles(shape_, goalHole_, p),
             goalHole_ < 0 ? 0 : Grid(1) << goalHole_, limits,
             std::chrono::steady_clock::now() + limits.time};
    std::vector<MoveProof> moves;
    for (const GridJump &j : board.jumps())
        if (CanJump(p, j)) {
            s.line.clear();
            moves.push_back({GridMove(j), s.over ? Verdict::Unknown : Run(s, Jumped(p, j)).verdict});
        }
    return moves;
}

} // namespace peg
