// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

#include "hints.h"
#include "solver.h"

using namespace peg;

namespace {

// The boards drawn again here, and the jump and search worked out plainly on
// cells, so that nothing below leans on the code it checks.
bool Hole(Shape shape, int col, int row)
{
    static const char *const french[] = {"  ooo  ", " ooooo ", "ooooooo", "ooooooo", "ooooooo", " ooooo ", "  ooo  "};
    if (col < 1 || col > 7 || row < 1 || row > 7)
        return false;
    const bool inFrench = french[row - 1][col - 1] == 'o';
    return inFrench && (shape == Shape::French || std::abs(col - 4) <= 1 || std::abs(row - 4) <= 1);
}

using Pegs = std::set<std::pair<int, int>>;  // (col, row)

Pegs PegsOf(Grid g)
{
    Pegs pegs;
    for (int b = 0; b < 49; ++b)
        if (g >> b & 1)
            pegs.insert({b % 7 + 1, b / 7 + 1});
    return pegs;
}

// The position after a move, or nothing if the move is not a jump there.
std::optional<Pegs> JumpOn(Shape shape, Pegs pegs, const Move &m)
{
    const int dc = m.toCol - m.fromCol, dr = m.toRow - m.fromRow;
    const std::pair<int, int> from{m.fromCol, m.fromRow}, over{m.fromCol + dc / 2, m.fromRow + dr / 2},
        to{m.toCol, m.toRow};
    if (!((std::abs(dc) == 2 && dr == 0) || (dc == 0 && std::abs(dr) == 2)) || !Hole(shape, to.first, to.second) ||
        !pegs.count(from) || !pegs.count(over) || pegs.count(to))
        return std::nullopt;
    pegs.erase(from), pegs.erase(over), pegs.insert(to);
    return pegs;
}

std::vector<Move> MovesOf(Shape shape, const Pegs &pegs)
{
    std::vector<Move> moves;
    for (const auto &[c, r] : pegs)
        for (const auto &[dc, dr] : {std::pair{0, -2}, {2, 0}, {0, 2}, {-2, 0}})
            if (const Move m{Int16(c), Int16(r), Int16(c + dc), Int16(r + dr)}; JumpOn(shape, pegs, m))
                moves.push_back(m);
    return moves;
}

// Replays a line: whether each move is a jump and it ends as the goal asks.
bool Replays(Shape shape, Grid start, int goalHole, const std::vector<Move> &line)
{
    Pegs pegs = PegsOf(start);
    for (const Move &m : line) {
        const auto next = JumpOn(shape, pegs, m);
        if (!next)
            return false;
        pegs = *next;
    }
    return pegs.size() == 1 && (goalHole < 0 || *pegs.begin() == std::pair{goalHole % 7 + 1, goalHole / 7 + 1});
}

// Whether one peg can be left (in goalHole, or anywhere): no memory, no
// symmetry. Nothing when it looked at more than `budget` positions.
std::optional<bool> PlainCanFinish(Shape shape, const Pegs &pegs, int goalHole, long budget = 2'000'000)
{
    long seen = 0;
    std::function<int(const Pegs &)> search = [&](const Pegs &p) -> int {
        if (++seen > budget)
            return -1;
        if (p.size() == 1)
            return goalHole < 0 || *p.begin() == std::pair{goalHole % 7 + 1, goalHole / 7 + 1};
        for (const Move &m : MovesOf(shape, p))
            if (const int r = search(*JumpOn(shape, p, m)); r != 0)
                return r;
        return 0;
    };
    const int r = search(pegs);
    return r < 0 ? std::nullopt : std::optional<bool>(r == 1);
}

// Positions met in random play from a start, with at most maxPegs pegs.
std::vector<Grid> RandomPositions(Shape shape, Grid start, int games, int minPegs, int maxPegs, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<Grid> positions;
    for (int g = 0; g < games; ++g)
        for (Grid p = start;;) {
            if (GridPegs(p) <= maxPegs && GridPegs(p) >= minPegs)
                positions.push_back(p);
            const std::vector<Move> moves = MovesOf(shape, PegsOf(p));
            if (moves.empty())
                break;
            const Move &m = moves[random() % moves.size()];
            p ^= GridCell(m.fromCol, m.fromRow) ^ GridCell((m.fromCol + m.toCol) / 2, (m.fromRow + m.toRow) / 2) ^
                 GridCell(m.toCol, m.toRow);
        }
    return positions;
}

const int CENTRE_BIT = GridBit(4, 4);

// The class argument, on its own: the parities of the pegs on the diagonals
// (col + row, col - row) mod 3, taken in pairs, never change.
std::array<int, 4> Parities(const Pegs &pegs)
{
    int up[3] = {}, down[3] = {};
    for (const auto &[c, r] : pegs)
        ++up[(c + r) % 3], ++down[(c - r + 9) % 3];
    return {(up[0] + up[1]) % 2, (up[1] + up[2]) % 2, (down[0] + down[1]) % 2, (down[1] + down[2]) % 2};
}

} // namespace

TEST(Problems, ListsBoardsStartsAndGoals)
{
    for (const Shape shape : {Shape::English, Shape::French}) {
        std::vector<Move> jumps;
        for (int row = 1; row <= 7; ++row)
            for (int col = 1; col <= 7; ++col) {
                EXPECT_EQ(Board::Of(shape).IsHole(col, row), Hole(shape, col, row)) << col << "," << row;
                if (Hole(shape, col, row))
                    for (const auto &[dc, dr] : {std::pair{0, -2}, {2, 0}, {0, 2}, {-2, 0}})
                        if (Hole(shape, col + dc, row + dr))
                            jumps.push_back({Int16(col), Int16(row), Int16(col + dc), Int16(row + dr)});
            }
        std::vector<Move> made;
        for (const GridJump &j : Board::Of(shape).jumps())
            made.push_back(GridMove(j));
        EXPECT_EQ(made, jumps);
    }
    std::set<std::string> ids;
    int english = 0, figures = 0;
    for (const Problem &p : Problems()) {
        SCOPED_TRACE(p.id);
        EXPECT_TRUE(ids.insert(p.id).second);
        EXPECT_TRUE(std::all_of(p.id.begin(), p.id.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '-' || (c >= '0' && c <= '9'); }));
        EXPECT_EQ(FindProblem(p.id), &p);
        EXPECT_EQ(p.start & ~Board::Of(p.shape).holes(), 0u);
        if (p.emptyHole >= 0) {
            EXPECT_EQ(p.start, Board::Of(p.shape).holes() & ~(Grid(1) << p.emptyHole));
            EXPECT_TRUE(IsPerfect(p, Grid(1) << p.emptyHole));
            const std::string where = '-' + std::to_string(GridCol(p.emptyHole)) + '-' + std::to_string(GridRow(p.emptyHole));
            EXPECT_TRUE(p.id == "centralna" || p.id.ends_with(where));
        }
        english += p.shape == Shape::English && p.goalHole < 0;
        figures += p.emptyHole < 0;
        EXPECT_EQ(p.goalHole, p.emptyHole < 0 || p.id == "centralna" ? CENTRE_BIT : -1);
        EXPECT_EQ(IsGoal(p, GridCell(4, 4)), true);
        EXPECT_EQ(IsGoal(p, GridCell(4, 1)), p.goalHole < 0);
    }
    EXPECT_EQ(Problems().front().id, "centralna");
    EXPECT_EQ(Problems().front().start, Board::Of(Shape::English).holes() & ~GridCell(4, 4));
    EXPECT_EQ(english, 33);
    EXPECT_GE(figures, 6);
    EXPECT_FALSE(IsPerfect(*FindProblem("angielska-3-1"), GridCell(4, 1)));
}

// Each French start left out is ruled out by the class argument; each listed
// one is solved and the line replayed (the figures' knowledge is followed to
// the centre in oracle_test).
TEST(Problems, EachIsSolvedOrRuledOut)
{
    Prover french(Shape::French, -1);
    ProofLimits generous;
    generous.time = std::chrono::seconds(5);
    for (int row = 1; row <= 7; ++row)
        for (int col = 1; col <= 7; ++col) {
            if (!Hole(Shape::French, col, row))
                continue;
            const Problem *p = FindProblem("francuska-" + std::to_string(col) + "-" + std::to_string(row));
            Pegs start = PegsOf(Board::Of(Shape::French).holes());
            start.erase({col, row});
            bool classAllows = false;
            for (const auto &last : PegsOf(Board::Of(Shape::French).holes()))
                classAllows |= Parities({last}) == Parities(start);
            EXPECT_EQ(p != nullptr, classAllows) << col << "," << row;
            if (p) {
                const Proof proof = french.Prove(p->start, generous);
                ASSERT_TRUE(Replays(Shape::French, p->start, -1, proof.line)) << p->id;
            }
        }
}

// What makes the prover's pagoda pruning sound: no jump of the board makes
// a pagoda's weight grow, and it has no weight off the board.
TEST(Solver, PagodasNeverGrow)
{
    for (const Shape shape : {Shape::English, Shape::French}) {
        const std::vector<Pagoda> &pagodas = Pagodas(shape);
        EXPECT_GT(pagodas.size(), std::size_t(Board::Of(shape).holeCount()));
        for (const Pagoda &w : pagodas)
            for (int bit = 0; bit < 49; ++bit) {
                const int col = bit % 7 + 1, row = bit / 7 + 1;
                if (!Hole(shape, col, row)) {
                    EXPECT_EQ(w[bit], 0);
                    continue;
                }
                for (const auto &[dc, dr] : {std::pair{0, -1}, {1, 0}, {0, 1}, {-1, 0}})
                    if (Hole(shape, col + dc, row + dr) && Hole(shape, col + 2 * dc, row + 2 * dr)) {
                        EXPECT_GE(w[bit] + w[GridBit(col + dc, row + dr)], w[GridBit(col + 2 * dc, row + 2 * dr)])
                            << "from " << col << "," << row << " by " << dc << "," << dr;
                    }
            }
    }
}

// The pruning itself: a position played backwards from a lone peg is never
// ruled out for that peg's hole, and a lone peg elsewhere always is.
TEST(Solver, PagodasRuleOutOnlyTheUnreachable)
{
    std::mt19937 random(5);
    for (const Shape shape : {Shape::English, Shape::French})
        for (const auto &[col, row] : PegsOf(Board::Of(shape).holes())) {
            const Grid target = GridCell(col, row);
            for (const auto &[c, r] : PegsOf(Board::Of(shape).holes()))
                EXPECT_EQ(PagodasRuleOut(shape, target, GridCell(c, r)), c != col || r != row);
            Grid p = target;
            for (int steps = 0; steps < 200 && GridPegs(p) < 16; ++steps) {
                const Pegs pegs = PegsOf(p);
                const auto &[pc, pr] = *std::next(pegs.begin(), long(random() % pegs.size()));
                const int way = int(random() % 4), dc = (way == 1) - (way == 3), dr = (way == 2) - (way == 0);
                if (Hole(shape, pc + 2 * dc, pr + 2 * dr) && !(p & GridCell(pc + dc, pr + dr)) &&
                    !(p & GridCell(pc + 2 * dc, pr + 2 * dr))) {
                    p ^= GridCell(pc, pr) | GridCell(pc + dc, pr + dr) | GridCell(pc + 2 * dc, pr + 2 * dr);
                    ASSERT_FALSE(PagodasRuleOut(shape, target, p)) << std::hex << p;
                }
            }
        }
}

// Both modes against the plain search: every position of few pegs, and
// where the plain search finishes, positions of more.
TEST(Solver, AgreesWithAPlainSearch)
{
    const struct {
        Shape shape;
        int goalHole;
        Grid start;
        int minPegs, maxPegs, games;
    } runs[] = {
        {Shape::English, -1, FindProblem("angielska-3-1")->start, 1, 10, 20},
        {Shape::English, CENTRE_BIT, Problems().front().start, 1, 10, 20},
        {Shape::French, -1, FindProblem("francuska-3-1")->start, 1, 10, 40},
        {Shape::English, -1, FindProblem("angielska-4-2")->start, 11, 14, 20},
        {Shape::French, -1, FindProblem("francuska-4-3")->start, 11, 14, 20},
    };
    ProofLimits limits;
    limits.time = std::chrono::seconds(10);
    for (const auto &run : runs) {
        Prover prover(run.shape, run.goalHole);
        int compared = 0;
        std::vector<Grid> sample = RandomPositions(run.shape, run.start, run.games, run.minPegs, run.maxPegs, 7);
        // Random play seldom keeps a position of many pegs alive: add some
        // played backwards from one peg.
        std::mt19937 random(11);
        for (int g = 0; run.minPegs > 1 && g < run.games / 2; ++g) {
            Pegs pegs = PegsOf(GridCell(4, 4));
            for (int steps = 0; steps < 100 && int(pegs.size()) < run.maxPegs; ++steps) {
                const auto &[c, r] = *std::next(pegs.begin(), long(random() % pegs.size()));
                const int way = int(random() % 4), dc = (way == 1) - (way == 3), dr = (way == 2) - (way == 0);
                const std::pair<int, int> over{c + dc, r + dr}, from{c + 2 * dc, r + 2 * dr};
                if (Hole(run.shape, from.first, from.second) && !pegs.count(over) && !pegs.count(from)) {
                    pegs.erase({c, r}), pegs.insert(over), pegs.insert(from);
                    if (int(pegs.size()) >= run.minPegs) {
                        Grid g = 0;
                        for (const auto &[pc, pr] : pegs)
                            g |= GridCell(pc, pr);
                        sample.push_back(g);
                    }
                }
            }
        }
        for (const Grid p : sample) {
            const auto plain = PlainCanFinish(run.shape, PegsOf(p), run.goalHole, run.minPegs > 1 ? 20'000 : 1L << 40);
            if (!plain)
                continue;
            ++compared;
            const Proof proof = prover.Prove(p, limits);
            ASSERT_NE(proof.verdict, Verdict::Unknown);
            ASSERT_EQ(proof.verdict == Verdict::Reachable, *plain) << std::hex << p;
            if (*plain) {
                EXPECT_TRUE(Replays(run.shape, p, run.goalHole, proof.line));
            }
            for (const auto &[move, verdict] : run.minPegs == 1 ? prover.Moves(p, limits) : std::vector<Prover::MoveProof>{}) {
                const Pegs after = *JumpOn(run.shape, PegsOf(p), move);
                EXPECT_EQ(verdict == Verdict::Reachable, *PlainCanFinish(run.shape, after, run.goalHole, 1L << 40));
            }
        }
        EXPECT_GT(compared, 30);
    }
    for (const char *id : {"plus", "piramida"}) {
        const Problem &figure = *FindProblem(id);
        const auto knowledge = Knowledge::Build(figure);
        for (const Grid p : RandomPositions(figure.shape, figure.start, 30, 1, 10, 3))
            EXPECT_EQ(knowledge->CanFinish(p), *PlainCanFinish(figure.shape, PegsOf(p), CENTRE_BIT, 1L << 40)) << id;
    }
}

TEST(Solver, AgreesWithTheTableOnTheCentralGame)
{
    Prover prover(Shape::English, CENTRE_BIT);
    ProofLimits limits;
    limits.nodes = 300'000;
    limits.time = std::chrono::seconds(10);
    int answered = 0;
    const std::vector<Grid> sample = RandomPositions(Shape::English, Problems().front().start, 8, 11, 32, 5);
    for (const Grid g : sample) {
        Position p = 0;
        for (int i = 0; i < HOLES; ++i)
            if (g & GridCell(HoleCell(i).col, HoleCell(i).row))
                p |= Position(1) << i;
        const Verdict v = prover.Prove(g, limits).verdict;
        if (v != Verdict::Unknown) {
            EXPECT_EQ(v == Verdict::Reachable, BuiltInWinTable().CanFinish(p)) << std::hex << g;
            ++answered;
        }
    }
    EXPECT_GT(answered, int(sample.size()) * 3 / 4);
}

TEST(Solver, StopsWhenCancelled)
{
    const std::atomic<bool> cancel{true};
    EXPECT_FALSE(Knowledge::Build(*FindProblem("romb"), &cancel));
    ProofLimits limits;
    limits.cancel = &cancel;
    EXPECT_EQ(Prover(Shape::French, -1).Prove(FindProblem("francuska-4-3")->start, limits).verdict, Verdict::Unknown);
}
