// SPDX-License-Identifier: MIT
#include "solver.h"

#include <algorithm>
#include <array>

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

// A pagoda for each hole h: the weight of a peg d steps (along rows and
// columns) from h is F(10 - d), F the Fibonacci numbers. A jump towards h
// trades F(k) + F(k+1) for F(k+2), any other loses, so the sum over the pegs
// never grows: a position whose sum is below a lone peg's on h (55) can
// never end there. Kept as a lookup per row of the grid.
struct Pagodas {
    std::array<std::array<std::array<std::uint16_t, 128>, GRID_SIDE>, 49> rows{};
};

const Pagodas &ThePagodas()
{
    static const Pagodas pagodas = [] {
        std::array<int, 13> weight{};
        int a = 0, b = 1;  // F(0), F(1)
        for (int k = 0; k <= 10; ++k) {
            weight[10 - k] = a;
            const int c = a + b;
            a = b;
            b = c;
        }
        Pagodas p;
        for (int h = 0; h < 49; ++h)
            for (int row = 0; row < GRID_SIDE; ++row)
                for (int v = 0; v < 128; ++v)
                    for (int c = 0; c < GRID_SIDE; ++c)
                        if (v >> c & 1) {
                            const int d = std::abs(GridCol(h) - (c + 1)) + std::abs(GridRow(h) - (row + 1));
                            p.rows[h][row][v] += std::uint16_t(d <= 10 ? weight[d] : 0);
                        }
        return p;
    }();
    return pagodas;
}

int PagodaSum(int hole, Grid g)
{
    const auto &t = ThePagodas().rows[hole];
    return t[0][g & 127] + t[1][g >> 7 & 127] + t[2][g >> 14 & 127] + t[3][g >> 21 & 127] + t[4][g >> 28 & 127] +
           t[5][g >> 35 & 127] + t[6][g >> 42 & 127];
}

constexpr int PAGODA_LONE = 55;

// Whether some hole of `finish` can still take the last peg by the pagodas.
bool PagodasAllow(Grid finish, Grid p)
{
    for (Grid f = finish; f; f &= f - 1)
        if (PagodaSum(__builtin_ctzll(f), p) >= PAGODA_LONE)
            return true;
    return false;
}

} // namespace

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
    const Grid finish = FinishHoles(problem.shape, problem.goalHole, start);
    auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };

    // Forward: what can be reached, leaving out what the pagodas rule out.
    k.levels_.assign(top + 1, {});
    if (finish && PagodasAllow(finish, start))
        k.levels_[top].push_back(Canonical(start, k.symmetries_));
    for (int pegs = top; pegs > 1; --pegs) {
        std::vector<Grid> &next = k.levels_[pegs - 1];
        std::size_t n = 0;
        for (const Grid p : k.levels_[pegs]) {
            if ((++n & 4095) == 0 && cancelled())
                return std::nullopt;
            for (const GridJump &j : board.jumps())
                if (CanJump(p, j))
                    if (const Grid c = Jumped(p, j); PagodasAllow(finish, c))
                        next.push_back(Canonical(c, k.symmetries_));
            if (next.size() > (std::size_t(1) << 20) && next.size() > 2 * n) {
                std::sort(next.begin(), next.end());
                next.erase(std::unique(next.begin(), next.end()), next.end());
            }
        }
        std::sort(next.begin(), next.end());
        next.erase(std::unique(next.begin(), next.end()), next.end());
    }
    // Backward: keep what has a move into a kept position one peg down.
    std::erase_if(k.levels_[1], [&](Grid p) { return !(p & finish) || (problem.goalHole >= 0 &&
                                                                         p != Canonical(Grid(1) << problem.goalHole,
                                                                                        k.symmetries_)); });
    for (int pegs = 2; pegs <= top; ++pegs) {
        if (cancelled())
            return std::nullopt;
        const std::vector<Grid> &below = k.levels_[pegs - 1];
        std::erase_if(k.levels_[pegs], [&](Grid p) {
            for (const GridJump &j : board.jumps())
                if (CanJump(p, j) && std::binary_search(below.begin(), below.end(), Canonical(Jumped(p, j), k.symmetries_)))
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
    return std::binary_search(level.begin(), level.end(), Canonical(p, symmetries_));
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

// Positions from which the goal cannot be reached, in canonical form: an
// open-addressed set that starts afresh when full (it only saves work).
struct Prover::Dead {
    static constexpr std::size_t LIMIT = std::size_t(1) << 22;  // 32 MB
    std::vector<Grid> slots = std::vector<Grid>(std::size_t(1) << 16);
    std::size_t used = 0;

    static std::size_t Hash(Grid g) { return std::size_t((g * 0x9E3779B97F4A7C15ull) >> 20); }
    bool Contains(Grid g) const
    {
        const std::size_t mask = slots.size() - 1;
        for (std::size_t i = Hash(g) & mask;; i = (i + 1) & mask) {
            if (slots[i] == g)
                return true;
            if (slots[i] == 0)
                return false;
        }
    }
    void Insert(Grid g)
    {
        if (2 * (used + 1) > slots.size()) {
            if (slots.size() >= LIMIT) {
                std::fill(slots.begin(), slots.end(), 0);
                used = 0;
            } else {
                std::vector<Grid> old(slots.size() * 2);
                old.swap(slots);
                used = 0;
                for (const Grid o : old)
                    if (o)
                        Insert(o);
            }
        }
        const std::size_t mask = slots.size() - 1;
        std::size_t i = Hash(g) & mask;
        while (slots[i] && slots[i] != g)
            i = (i + 1) & mask;
        used += slots[i] == 0;
        slots[i] = g;
    }
};

struct Prover::Search {
    const Board &board;
    Dead &dead;
    SymmetrySet symmetries;
    Grid finish;
    const ProofLimits &limits;
    std::chrono::steady_clock::time_point until;
    std::uint64_t nodes = 0;
    bool stopped = false;
    std::vector<int> line;  // jump numbers, last first

    bool OutOfTime()
    {
        if (limits.nodes && nodes >= limits.nodes)
            return true;
        if ((nodes & 1023) == 0)
            return (limits.cancel && limits.cancel->load(std::memory_order_relaxed)) ||
                   std::chrono::steady_clock::now() >= until;
        return false;
    }

    // Pegs with no peg beside them along a row or a column.
    static int Isolated(Grid g)
    {
        constexpr Grid COLUMN_1 = 0x40810204081ull, COLUMN_7 = COLUMN_1 << 6;
        const Grid beside = (g << 1 & ~COLUMN_1) | (g >> 1 & ~COLUMN_7) | g << 7 | g >> 7;
        return GridPegs(g & ~beside);
    }
    // Moves that leave fewer pegs alone first, then those from further out:
    // lines that clear the arms while keeping pegs together are found soonest.
    static int Score(Grid p, const GridJump &j)
    {
        const int c = GridCol(j.from) - 4, r = GridRow(j.from) - 4;
        return Isolated(Jumped(p, j)) * 100 - (c * c + r * r);
    }

    // True when the goal is reached from p; false when it cannot be or the
    // search stopped (then `stopped`).
    bool Reach(Grid p)
    {
        if (GridPegs(p) == 1)
            return (p & finish) != 0;
        ++nodes;
        if (stopped || (stopped = OutOfTime()))
            return false;
        const Grid c = Canonical(p, symmetries);
        if (dead.Contains(c) || !PagodasAllow(finish, p))
            return false;
        const auto jumps = board.jumps();
        std::array<std::pair<int, int>, 96> order;
        int n = 0;
        for (std::size_t i = 0; i < jumps.size(); ++i)
            if (CanJump(p, jumps[i]))
                order[n++] = {Score(p, jumps[i]), int(i)};
        std::stable_sort(order.begin(), order.begin() + n);
        for (int k = 0; k < n; ++k) {
            const int i = order[k].second;
            if (Reach(Jumped(p, jumps[i]))) {
                line.push_back(i);
                return true;
            }
            if (stopped)
                return false;
        }
        dead.Insert(c);
        return false;
    }
};

Prover::Prover(Shape shape, int goalHole) : shape_(shape), goalHole_(goalHole), dead_(std::make_unique<Dead>()) {}
Prover::~Prover() = default;

namespace {

Proof Run(Prover::Search &s, Grid p)
{
    Proof proof;
    if (!s.finish) {
        proof.verdict = Verdict::Unreachable;
        return proof;
    }
    if (s.Reach(p)) {
        proof.verdict = Verdict::Reachable;
        for (auto i = s.line.rbegin(); i != s.line.rend(); ++i)
            proof.line.push_back(GridMove(s.board.jumps()[std::size_t(*i)]));
    } else if (!s.stopped) {
        proof.verdict = Verdict::Unreachable;
    }
    return proof;
}

} // namespace

Proof Prover::Prove(Grid p, const ProofLimits &limits)
{
    Search s{Board::Of(shape_), *dead_, GoalSymmetries(goalHole_), FinishHoles(shape_, goalHole_, p), limits,
             std::chrono::steady_clock::now() + limits.time};
    return Run(s, p);
}

std::vector<Prover::MoveProof> Prover::Moves(Grid p, const ProofLimits &limits)
{
    const Board &board = Board::Of(shape_);
    Search s{board, *dead_, GoalSymmetries(goalHole_), FinishHoles(shape_, goalHole_, p), limits,
             std::chrono::steady_clock::now() + limits.time};
    std::vector<MoveProof> moves;
    for (const GridJump &j : board.jumps())
        if (CanJump(p, j)) {
            s.line.clear();
            moves.push_back({GridMove(j), s.stopped ? Verdict::Unknown : Run(s, Jumped(p, j)).verdict});
        }
    return moves;
}

} // namespace peg
