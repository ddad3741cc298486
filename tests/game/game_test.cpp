#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../common/fullgame.h"
#include "game.h"

using namespace peg;

namespace {

// Writes down every call the game makes on the screen, in order.
class RecordingView : public BoardView {
public:
    std::vector<std::string> calls;
    void DrawTile(Tile tile, int col, int row) override
    {
        static const char *names[] = {"nieuzyt", "pusty", "pelny", "aktual"};
        calls.push_back(std::string(names[int(tile)]) + "(" + std::to_string(col) + "," + std::to_string(row) + ")");
    }
    void RefreshBoard() override { calls.push_back("refresh"); }
    void DrawBoard() override { calls.push_back("board"); }
    void ShowCount(Int16 n) override { calls.push_back("count " + std::to_string(n)); }
};

struct Fixture : ::testing::Test {
    RecordingView view;
    Game game{&view};
    void SetUp() override
    {
        game.NewGame();
        view.calls.clear();
    }
    int countCells(Int16 code) const
    {
        int n = 0;
        for (int c = 0; c <= BOARD_LAST; ++c)
            for (int r = 0; r <= BOARD_LAST; ++r)
                n += game.cell(c, r) == code;
        return n;
    }
};

using NewGameTest = Fixture;
using JumpTest = Fixture;
using ClickTest = Fixture;

} // namespace

TEST(GameStateTest, StartsAllZeroBeforeTheFirstNewGame)
{
    Game g;
    for (int c = 0; c <= BOARD_LAST; ++c)
        for (int r = 0; r <= BOARD_LAST; ++r)
            ASSERT_EQ(g.cell(c, r), CELL_NONE);
    EXPECT_EQ(g.pegsLeft(), 0);
    EXPECT_FALSE(g.hasSelection());
    EXPECT_EQ(g.logEntry(31, fromCol), 0);
}

TEST_F(NewGameTest, SetsUpTheCrossWithTheCentreEmpty)
{
    EXPECT_EQ(countCells(CELL_PEG), 32);
    EXPECT_EQ(countCells(CELL_EMPTY), 1);
    EXPECT_EQ(game.cell(4, 4), CELL_EMPTY);
    EXPECT_EQ(game.pegsLeft(), 32);
    for (auto [c, r] : {std::pair{1, 1}, {2, 2}, {1, 2}, {2, 1}, {6, 6}, {7, 7}, {1, 7}, {7, 1}})
        EXPECT_EQ(game.cell(c, r), CELL_NONE) << c << "," << r;
    for (auto [c, r] : {std::pair{3, 1}, {1, 3}, {5, 7}, {7, 5}, {3, 3}, {5, 5}})
        EXPECT_EQ(game.cell(c, r), CELL_PEG) << c << "," << r;
}

TEST_F(NewGameTest, ShowsTheCountThenDrawsTheWholeBoard)
{
    game.NewGame();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"count 32", "board"}));
}

TEST_F(NewGameTest, KeepsSelectedCellLogAndReplayTargetButClearsTheFlag)
{
    game.setReplayTarget(17);
    game.CellClicked(4, 6);
    game.CellClicked(4, 4);
    game.CellClicked(2, 4);
    ASSERT_TRUE(game.hasSelection());
    game.NewGame();
    EXPECT_FALSE(game.hasSelection());
    EXPECT_EQ(game.selectedCol(), 2);
    EXPECT_EQ(game.selectedRow(), 4);
    EXPECT_EQ(game.pegsLeft(), 32);
    EXPECT_EQ(game.logEntry(31, toRow), 4);
    EXPECT_EQ(game.logEntry(31, fromRow), 6);
    EXPECT_EQ(game.replayTarget(), 17);
}

TEST_F(NewGameTest, TwiceGivesTheSameStateAsOnce)
{
    game.CellClicked(4, 2);
    game.CellClicked(4, 4);
    game.NewGame();
    const Game once = game;
    game.NewGame();
    for (int c = 0; c <= BOARD_LAST; ++c)
        for (int r = 0; r <= BOARD_LAST; ++r)
            ASSERT_EQ(game.cell(c, r), once.cell(c, r));
    EXPECT_EQ(game.moveLog(), once.moveLog());
}

struct JumpCase {
    const char *name;
    int selCol, selRow, col, row;
    bool legal;
};

class JumpRuleTest : public ::testing::TestWithParam<JumpCase> {};

TEST_P(JumpRuleTest, Answers)
{
    const JumpCase &jc = GetParam();
    Game game;
    game.NewGame();
    EXPECT_EQ(game.IsLegalJump(jc.selCol, jc.selRow, jc.col, jc.row), jc.legal) << jc.name;
}

INSTANTIATE_TEST_SUITE_P(StartPosition, JumpRuleTest,
    ::testing::Values(
        JumpCase{"left over (5,4)", 6, 4, 4, 4, true},
        JumpCase{"right over (3,4)", 2, 4, 4, 4, true},
        JumpCase{"up over (4,5)", 4, 6, 4, 4, true},
        JumpCase{"down over (4,3)", 4, 2, 4, 4, true},
        JumpCase{"diagonal", 5, 5, 3, 3, false},
        JumpCase{"three cells", 7, 4, 4, 4, false},
        JumpCase{"onto itself", 4, 4, 4, 4, false},
        JumpCase{"target holds a peg", 5, 3, 3, 3, true},
        JumpCase{"over the corner from outside", 3, 1, 1, 1, false},
        JumpCase{"target off the grid left", 1, 4, -1, 4, false},
        JumpCase{"target off the grid right", 8, 4, 10, 4, false},
        JumpCase{"target on the grid edge", 7, 4, 9, 4, false}),
    [](const auto &info) {
        std::string s = info.param.name;
        for (char &ch : s)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return s;
    });

TEST_F(JumpTest, NeedsAPegOnTheJumpedCell)
{
    // After (4,6)->(4,4) the cell (4,5) is empty: jumping over it fails.
    game.CellClicked(4, 6);
    game.CellClicked(4, 4);
    EXPECT_EQ(game.cell(4, 5), CELL_EMPTY);
    EXPECT_FALSE(game.IsLegalJump(4, 4, 4, 6));
    // A jumped cell outside the cross (CELL_NONE) fails as well.
    EXPECT_FALSE(game.IsLegalJump(1, 1, 3, 1));
}

TEST_F(JumpTest, EdgeTargetIsReachedFromInside)
{
    // Towards the outside the rule reads index 0 and finds no peg; from
    // inside, (1,3) is reached over (2,3).
    EXPECT_TRUE(game.IsLegalJump(3, 3, 1, 3));
    EXPECT_FALSE(game.IsLegalJump(-1, 3, 1, 3));
}

TEST_F(ClickTest, SelectsThenJumpsWithTheDrawingInOrder)
{
    EXPECT_EQ(game.CellClicked(4, 6), ClickResult::Selected);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"aktual(4,6)", "refresh"}));
    EXPECT_TRUE(game.hasSelection());
    EXPECT_EQ(game.selectedCol(), 4);
    EXPECT_EQ(game.selectedRow(), 6);

    view.calls.clear();
    EXPECT_EQ(game.CellClicked(4, 4), ClickResult::Moved);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"pusty(4,6)", "refresh", "pelny(4,4)", "pusty(4,5)",
                                                    "refresh", "count 31"}));
    EXPECT_EQ(game.cell(4, 6), CELL_EMPTY);
    EXPECT_EQ(game.cell(4, 5), CELL_EMPTY);
    EXPECT_EQ(game.cell(4, 4), CELL_PEG);
    EXPECT_EQ(game.pegsLeft(), 31);
    EXPECT_EQ(game.logEntry(31, fromCol), 4);
    EXPECT_EQ(game.logEntry(31, fromRow), 6);
    EXPECT_EQ(game.logEntry(31, toCol), 4);
    EXPECT_EQ(game.logEntry(31, toRow), 4);
    EXPECT_FALSE(game.hasSelection());
    EXPECT_EQ(game.selectedCol(), 4);
    EXPECT_EQ(game.selectedRow(), 4);
}

TEST_F(ClickTest, FirstMoveFromEachSideLeaves31)
{
    for (auto [c, r] : {std::pair{4, 2}, {2, 4}, {6, 4}, {4, 6}}) {
        game.NewGame();
        game.CellClicked(c, r);
        EXPECT_EQ(game.CellClicked(4, 4), ClickResult::Moved) << c << "," << r;
        EXPECT_EQ(game.pegsLeft(), 31);
        EXPECT_EQ(game.cell((c + 4) / 2, (r + 4) / 2), CELL_EMPTY);
    }
}

TEST_F(ClickTest, SecondPegMovesTheHighlight)
{
    game.CellClicked(4, 6);
    view.calls.clear();
    EXPECT_EQ(game.CellClicked(3, 3), ClickResult::Selected);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"pelny(4,6)", "refresh", "aktual(3,3)", "refresh"}));
    view.calls.clear();
    game.CellClicked(3, 3);  // the selected peg again stays selected
    EXPECT_EQ(view.calls, (std::vector<std::string>{"pelny(3,3)", "refresh", "aktual(3,3)", "refresh"}));
    EXPECT_TRUE(game.hasSelection());
}

TEST_F(ClickTest, IgnoredClicksChangeNothing)
{
    game.CellClicked(4, 6);
    const Game before = game;
    view.calls.clear();
    for (auto [c, r] : {std::pair{1, 1}, {7, 7}, {2, 2},  // corners without a hole
                        {0, 4}, {8, 4}, {4, 9},           // grid border
                        {-3, 4}, {4, 40}}) {              // outside the grid altogether
        EXPECT_EQ(game.CellClicked(c, r), ClickResult::Ignored) << c << "," << r;
    }
    game.CellClicked(4, 4);  // legal, to move on to an illegal empty target
    game.CellClicked(3, 4);
    view.calls.clear();
    const Game mid = game;
    EXPECT_EQ(game.CellClicked(4, 6), ClickResult::Ignored);  // empty, not in line over a peg
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(game.pegsLeft(), mid.pegsLeft());
    EXPECT_EQ(game.selectedCol(), 3);
    EXPECT_TRUE(game.hasSelection());
    EXPECT_EQ(before.pegsLeft(), 32);
}

TEST_F(ClickTest, AfterAMoveTheLandedPegMustBeSelectedAgain)
{
    // In the recorded game, move 12 continues with the peg that move 11 landed.
    for (int i = 0; i < 11; ++i) {
        game.CellClicked(FULL_GAME[i].fromCol, FULL_GAME[i].fromRow);
        ASSERT_EQ(game.CellClicked(FULL_GAME[i].toCol, FULL_GAME[i].toRow), ClickResult::Moved);
    }
    const RecordedMove next = FULL_GAME[11];
    ASSERT_EQ(game.selectedCol(), next.fromCol);
    ASSERT_EQ(game.selectedRow(), next.fromRow);
    ASSERT_TRUE(game.IsLegalJump(next.fromCol, next.fromRow, next.toCol, next.toRow));
    view.calls.clear();
    EXPECT_EQ(game.CellClicked(next.toCol, next.toRow), ClickResult::Ignored);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(game.pegsLeft(), 21);
}

TEST_F(ClickTest, RefusesAReplayedMoveFromOutsideTheCross)
{
    // (8,4) lies on the grid border, over (7,4) into (6,4): the rule alone
    // would allow it once (6,4) is empty.
    game.CellClicked(4, 6);
    game.CellClicked(4, 4);       // (4,6)->(4,4)
    game.CellClicked(6, 5);
    game.CellClicked(4, 5);       // (6,5)->(4,5)
    game.CellClicked(6, 3);
    game.CellClicked(6, 5);       // (6,3)->(6,5) empties (6,4) and (6,3)
    ASSERT_EQ(game.cell(6, 4), CELL_EMPTY);
    const Int16 before = game.pegsLeft();
    game.setSelection(true, 8, 4);
    EXPECT_EQ(game.CellClicked(6, 4), ClickResult::Ignored);
    EXPECT_EQ(game.pegsLeft(), before);
    EXPECT_EQ(game.cell(8, 4), CELL_NONE);
    EXPECT_EQ(game.cell(7, 4), CELL_PEG);
}

TEST(FullGameTest, PlaysDownToOnePegFillingSlots31To1)
{
    Game game;
    game.NewGame();
    int n = 0;
    for (const RecordedMove &m : FULL_GAME) {
        ++n;
        ASSERT_EQ(game.CellClicked(m.fromCol, m.fromRow), ClickResult::Selected) << "move " << n;
        ASSERT_EQ(game.CellClicked(m.toCol, m.toRow), ClickResult::Moved) << "move " << n;
        const int slot = 32 - n;
        EXPECT_EQ(game.logEntry(slot, fromCol), m.fromCol);
        EXPECT_EQ(game.logEntry(slot, toRow), m.toRow);
    }
    EXPECT_EQ(game.pegsLeft(), 1);
    EXPECT_EQ(game.cell(4, 4), CELL_PEG);
    for (int c = 0; c <= BOARD_LAST; ++c) {
        for (int r = 0; r <= BOARD_LAST; ++r) {
            if (c == 0 || r == 0 || c >= 8 || r >= 8) {
                ASSERT_EQ(game.cell(c, r), CELL_NONE);
            }
        }
    }
    EXPECT_EQ(game.logEntry(0, fromCol), 0);  // play never writes slots 0, 32, 33
    EXPECT_EQ(game.logEntry(32, fromCol), 0);
}

TEST(IndexCheckTest, OutOfBoundsAccessIsRefused)
{
    Game game;
    EXPECT_THROW(game.cell(10, 0), IndexError);
    EXPECT_THROW(game.cell(0, -1), IndexError);
    EXPECT_THROW(game.logEntry(34, 1), IndexError);
    EXPECT_THROW(game.setLogEntry(-1, 1, 5), IndexError);
    EXPECT_THROW(game.setLogEntry(0, 5, 5), IndexError);
    EXPECT_NO_THROW(game.setLogEntry(33, 4, 5));
}
