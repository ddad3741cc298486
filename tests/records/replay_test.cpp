#include "replay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "fullgame.h"

using namespace peg;

namespace {

const std::string kHeader = "Plik opisujacy ruchy gracza. Ilosc pozostalych:\r\n";

// A game at the start with a move file loaded, as the start of a replay leaves it.
Game Loaded(const std::string &file)
{
    Game g;
    g.NewGame();
    ApplyMoveFile(ParseMoveFile(file), g);
    return g;
}

} // namespace

TEST(ReplayTick, WorkedExamplePlaysTwoMovesAndEndsOnTheSecondTick)
{
    Game g = Loaded(kHeader + " 30 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n");
    EXPECT_EQ(g.replayTarget(), 30);
    EXPECT_EQ(ReplayTick(g), TickResult::Continue);
    EXPECT_EQ(g.pegsLeft(), 31);
    EXPECT_EQ(g.cell(4, 4), CELL_PEG);
    EXPECT_EQ(ReplayTick(g), TickResult::Finished);
    EXPECT_EQ(g.pegsLeft(), 30);
    EXPECT_FALSE(g.hasSelection());
    EXPECT_EQ(g.selectedCol(), 4);
    EXPECT_EQ(g.selectedRow(), 3);
    EXPECT_EQ(g.logEntry(30, fromCol), 2);  // written again with the same values
}

TEST(ReplayTick, FileWithoutMovesEndsOnTheFirstTick)
{
    Game g = Loaded(kHeader + " 32 \r\n");
    EXPECT_EQ(ReplayTick(g), TickResult::Finished);
    EXPECT_EQ(g.pegsLeft(), 32);
}

TEST(ReplayTick, ExtraLinesAreNotReplayed)
{
    Game g = Loaded(kHeader + " 31 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n");
    EXPECT_EQ(ReplayTick(g), TickResult::Finished);
    EXPECT_EQ(g.pegsLeft(), 31);
    EXPECT_EQ(g.cell(2, 3), CELL_PEG);
}

struct StuckCase {
    const char *name;
    std::string file;  // counter and move lines
    int number;        // the move the replay must stop at
    Move move;
};

class ReplayRefuses : public testing::TestWithParam<StuckCase> {};

TEST_P(ReplayRefuses, StopsAtTheMoveAndKeepsThePosition)
{
    const StuckCase &c = GetParam();
    Game g = Loaded(kHeader + c.file);
    for (int i = 1; i < c.number; ++i)
        ASSERT_EQ(ReplayTick(g), TickResult::Continue) << "move " << i;
    const Game before = g;
    RefusedMove refused;
    EXPECT_EQ(ReplayTick(g, &refused), TickResult::Refused);
    EXPECT_EQ(refused.number, c.number);
    EXPECT_EQ(refused.move, c.move);
    EXPECT_EQ(g.pegsLeft(), before.pegsLeft());
    for (int col = 1; col <= 7; ++col)
        for (int row = 1; row <= 7; ++row)
            EXPECT_EQ(g.cell(col, row), before.cell(col, row)) << col << "," << row;
    EXPECT_FALSE(g.hasSelection());
}

// After (4,2) -> (4,4) the holes (4,2) and (4,3) are empty.
INSTANTIATE_TEST_SUITE_P(
    Moves, ReplayRefuses,
    testing::Values(
        StuckCase{"FirstMoveIllegal", " 31 \r\n 4  1  4  3 \r\n", 1, {4, 1, 4, 3}},
        StuckCase{"TooFar", " 30 \r\n 4  2  4  4 \r\n 4  7  4  3 \r\n", 2, {4, 7, 4, 3}},
        StuckCase{"TargetHoldsAPeg", " 30 \r\n 4  2  4  4 \r\n 5  3  3  3 \r\n", 2, {5, 3, 3, 3}},
        StuckCase{"Diagonal", " 30 \r\n 4  2  4  4 \r\n 3  4  4  3 \r\n", 2, {3, 4, 4, 3}},
        // Over a peg into an empty hole, but from a hole the second move emptied.
        StuckCase{"SourceIsEmpty", " 29 \r\n 4  2  4  4 \r\n 4  5  4  3 \r\n 4  4  4  2 \r\n", 3, {4, 4, 4, 2}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ReplayTick, ResetDuringAReplayStartsItOver)
{
    Game g = Loaded(kHeader + " 30 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n");
    ASSERT_EQ(ReplayTick(g), TickResult::Continue);
    g.NewGame();
    EXPECT_EQ(ReplayTick(g), TickResult::Continue);
    EXPECT_EQ(g.pegsLeft(), 31);
    EXPECT_EQ(g.cell(4, 2), CELL_EMPTY);
    EXPECT_EQ(ReplayTick(g), TickResult::Finished);
}

TEST(ReplayTick, FullGameEndsWithOnePegAfter31Ticks)
{
    Game played;
    played.NewGame();
    for (const RecordedMove &m : FULL_GAME) {
        played.CellClicked(m.fromCol, m.fromRow);
        played.CellClicked(m.toCol, m.toRow);
    }
    Game g = Loaded(FormatMoveFile(played));
    int ticks = 1;
    while (ReplayTick(g) == TickResult::Continue)
        ASSERT_LT(++ticks, 32);
    EXPECT_EQ(ticks, 31);
    EXPECT_EQ(g.pegsLeft(), 1);
    EXPECT_EQ(g.cell(4, 4), CELL_PEG);
}

TEST(SampleMoveFiles, ReplayToTheirEnd)
{
    for (const char *name : {"przyklad.txt", "pelna-gra.txt"}) {
        SCOPED_TRACE(name);
        std::ifstream in(std::string(SAMPLES_DIR) + "/" + name, std::ios::binary);
        ASSERT_TRUE(in) << "missing sample";
        const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        Game g = Loaded(content);
        TickResult r;
        int ticks = 0;
        while ((r = ReplayTick(g)) == TickResult::Continue)
            ASSERT_LT(++ticks, 40);
        EXPECT_EQ(r, TickResult::Finished);
        EXPECT_EQ(FormatMoveFile(g), content);  // written exactly as the game writes
    }
}
