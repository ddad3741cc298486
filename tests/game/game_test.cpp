#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../common/fullgame.h"
#include "game.h"

using namespace peg;
using Calls = std::vector<std::string>;

namespace {

// Writes down every call the game makes on the screen, in order.
struct RecordingView : BoardView {
    Calls calls;
    void DrawTile(Tile tile, int col, int row) override
    {
        static const char *names[] = {"nieuzyt", "pusty", "pelny", "aktual"};
        calls.push_back(std::string(names[int(tile)]) + "(" + std::to_string(col) + "," + std::to_string(row) + ")");
    }
    void RefreshBoard() override { calls.push_back("refresh"); }
    void DrawBoard() override { calls.push_back("board"); }
    void ShowCount(Int16 n) override { calls.push_back("count " + std::to_string(n)); }
    Calls take() { return std::exchange(calls, {}); }
};

struct GameTest : ::testing::Test {
    RecordingView view;
    Game game{&view};
    GameTest() { game.NewGame(); view.take(); }
    std::pair<int, int> selected() const { return {game.selectedCol(), game.selectedRow()}; }
};

} // namespace

TEST(JumpRule, InTheStartPosition)
{
    const struct {
        const char *name;
        int selCol, selRow, col, row;
        bool legal;
    } cases[] = {
        {"left over (5,4)", 6, 4, 4, 4, true},
        {"right over (3,4)", 2, 4, 4, 4, true},
        {"up over (4,5)", 4, 6, 4, 4, true},
        {"down over (4,3)", 4, 2, 4, 4, true},
        {"target holds a peg: not the rule's concern", 5, 3, 3, 3, true},
        {"edge target from inside", 3, 3, 1, 3, true},
        {"diagonal", 5, 5, 3, 3, false},
        {"three cells", 7, 4, 4, 4, false},
        {"over the empty centre", 4, 3, 4, 5, false},
        {"over a cell outside the cross", 3, 1, 1, 1, false},
        {"target off the grid", 1, 4, -1, 4, false},
        {"target on the grid edge", 7, 4, 9, 4, false},
    };
    Game game;
    game.NewGame();
    for (const auto &c : cases)
        EXPECT_EQ(game.IsLegalJump(c.selCol, c.selRow, c.col, c.row), c.legal) << c.name;
}

TEST_F(GameTest, ClicksSelectMoveTheHighlightIgnoreTheRestAndJumpWithTheDrawingInOrder)
{
    game.LoadRecordedMoves(17, FullGameLog(15));
    EXPECT_EQ(game.CellClicked(4, 6), ClickResult::Selected);
    EXPECT_EQ(view.take(), (Calls{"aktual(4,6)", "refresh"}));
    EXPECT_EQ(game.CellClicked(3, 3), ClickResult::Selected);
    EXPECT_EQ(view.take(), (Calls{"pelny(4,6)", "refresh", "aktual(3,3)", "refresh"}));
    // No hole, the grid border, beyond the grid, an empty hole not in line.
    for (auto [c, r] : {std::pair{1, 1}, {0, 4}, {4, 9}, {-3, 4}, {4, 40}, {4, 4}})
        EXPECT_EQ(game.CellClicked(c, r), ClickResult::Ignored) << c << "," << r;
    EXPECT_TRUE(view.calls.empty());
    EXPECT_TRUE(game.hasSelection() && game.pegsLeft() == 32);
    game.CellClicked(4, 6);
    view.take();
    EXPECT_EQ(game.CellClicked(4, 4), ClickResult::Moved);
    EXPECT_EQ(view.take(), (Calls{"pusty(4,6)", "refresh", "pelny(4,4)", "pusty(4,5)", "refresh", "count 31"}));
    EXPECT_EQ((std::array{game.cell(4, 6), game.cell(4, 5), game.cell(4, 4)}), (std::array{CELL_EMPTY, CELL_EMPTY, CELL_PEG}));
    EXPECT_EQ(game.pegsLeft(), 31);
    EXPECT_EQ(game.moveLog()[31], (std::array<Int16, 5>{0, 4, 6, 4, 4}));
    // The landed peg is remembered but must be selected again.
    EXPECT_FALSE(game.hasSelection());
    EXPECT_EQ(selected(), std::pair(4, 4));

    // A new game redraws the cross but keeps the selected cell, the log and the replay target.
    game.CellClicked(2, 4);
    view.take();
    game.NewGame();
    EXPECT_EQ(view.take(), (Calls{"count 32", "board"}));
    EXPECT_TRUE(IsStartPosition(game));
    EXPECT_FALSE(game.hasSelection());
    EXPECT_EQ(selected(), std::pair(2, 4));
    EXPECT_EQ(game.moveLog()[31], (std::array<Int16, 5>{0, 4, 6, 4, 4}));
    EXPECT_EQ(game.replayTarget(), 17);
}

TEST(IndexCheckTest, OutOfBoundsAccessIsRefused)
{
    Game game;
    EXPECT_THROW(game.cell(10, 0), IndexError);
    EXPECT_THROW(game.cell(0, -1), IndexError);
    EXPECT_THROW(game.logEntry(34, 1), IndexError);
    EXPECT_THROW(game.logEntry(-1, 1), IndexError);
    EXPECT_THROW(game.logEntry(0, 5), IndexError);
    EXPECT_NO_THROW(game.logEntry(33, 4));
}
