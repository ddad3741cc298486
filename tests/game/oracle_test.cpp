// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "oracle.h"

using namespace peg;

namespace {

Game StartOf(const Problem &problem)
{
    Game game;
    game.SetStart({Board::Of(problem.shape).holes(), problem.start});
    game.NewGame();
    return game;
}

// Plays a move by the game's own clicks: whether it was a jump.
bool Played(Game &game, const Move &m)
{
    game.CellClicked(m.fromCol, m.fromRow);
    return game.CellClicked(m.toCol, m.toRow) == ClickResult::Moved;
}

// Hints taken to the end, each time the last of the winning moves offered
// (the line the oracle gives follows the first), by the game's own rules.
TEST(Oracle, HintsFollowedOnTheCentralGameAndEachFigureEndInTheCentre)
{
    for (const Problem &problem : Problems()) {
        if (problem.goalHole < 0)
            continue;
        SCOPED_TRACE(problem.id);
        Oracle oracle(problem);
        ASSERT_TRUE(oracle.Complete());
        Game game = StartOf(problem);
        for (int made = 0; game.pegsLeft() > 1; ++made) {
            ASSERT_LT(made, 36);
            const Answer answer = oracle.Ask(GridOf(game));
            ASSERT_EQ(answer.verdict, Verdict::Reachable);
            ASSERT_FALSE(answer.winning.empty());
            ASSERT_TRUE(Played(game, answer.winning.back()));
        }
        EXPECT_EQ(game.cell(4, 4), CELL_PEG);
        // One wrong move from the start, where one exists, is told as lost.
        game = StartOf(problem);
        const Answer start = oracle.Ask(GridOf(game));
        for (const GridJump &j : Board::Of(problem.shape).jumps()) {
            const Move m = GridMove(j);
            if (!CanJump(problem.start, j) ||
                std::find(start.winning.begin(), start.winning.end(), m) != start.winning.end())
                continue;
            Game lost = game;
            ASSERT_TRUE(Played(lost, m));
            EXPECT_EQ(oracle.Ask(GridOf(lost)).verdict, Verdict::Unreachable);
        }
    }
}

// On the problems without complete knowledge a hint is the first move of a
// line proven to the goal: the line must replay by the game's rules.
TEST(Oracle, AProvenLineOnTheOtherBoardsReplaysToTheGoal)
{
    ProofLimits limits;
    limits.time = std::chrono::seconds(20);
    for (const char *id : {"angielska-3-1", "angielska-4-4", "francuska-3-1", "francuska-4-3", "francuska-2-4"}) {
        SCOPED_TRACE(id);
        const Problem &problem = *FindProblem(id);
        Oracle oracle(problem);
        ASSERT_FALSE(oracle.Complete());
        Game game = StartOf(problem);
        const Answer answer = oracle.Ask(GridOf(game), limits);
        ASSERT_EQ(answer.verdict, Verdict::Reachable);
        ASSERT_EQ(answer.winning, std::vector<Move>{answer.line.front()});
        for (const Move &m : answer.line) {
            ASSERT_TRUE(Played(game, m));
            // Along the line proven, each position is answered without a
            // search (one node allowed), with the rest of that line.
            if (GridPegs(GridOf(game)) > 1) {
                ProofLimits none;
                none.nodes = 1;
                const Answer next = oracle.Ask(GridOf(game), none);
                ASSERT_EQ(next.verdict, Verdict::Reachable);
                ASSERT_EQ(next.line.size(), std::size_t(GridPegs(GridOf(game)) - 1));
            }
        }
        EXPECT_TRUE(IsGoal(problem, GridOf(game)));
    }
}

// The problems of one board and goal share a prover, so what one learnt
// serves the next; another board's gets its own.
TEST(Oracle, AProverIsHandedOnToTheSameBoardAndGoal)
{
    const auto shelf = std::make_shared<Oracle::ProverShelf>();
    const auto proverOf = [&shelf](const char *id) {
        Oracle(*FindProblem(id), shelf).Prepare();
        return *shelf;
    };
    const std::shared_ptr<Prover> english = proverOf("angielska-3-1");
    EXPECT_EQ(proverOf("angielska-4-4"), english);
    EXPECT_NE(proverOf("francuska-4-3"), english);
}

} // namespace
