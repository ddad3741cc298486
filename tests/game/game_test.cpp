// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "../common/fullgame.h"
#include "game.h"

using namespace peg;
using Calls = std::vector<std::string>;
using Selection = std::array<int, 3>;  // flag, column, row

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

// Everything a caller can read back from a game.
struct State {
    Grid board;
    Int16 pegsLeft;
    Selection selection;
    MoveLog log;
    Int16 replayTarget;
    bool operator==(const State &) const = default;
};

Selection SelectionOf(const Game &g)
{
    return {g.hasSelection() ? 1 : 0, g.selectedCol(), g.selectedRow()};
}

State Snapshot(const Game &g)
{
    State s{};
    s.board = BoardOf(g);
    s.pegsLeft = g.pegsLeft();
    s.selection = SelectionOf(g);
    s.log = g.moveLog();
    s.replayTarget = g.replayTarget();
    return s;
}

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
        {"target on the top edge", 4, 2, 4, 0, false},
    };
    Game game;
    game.NewGame();
    for (const auto &c : cases)
        EXPECT_EQ(game.IsLegalJump(c.selCol, c.selRow, c.col, c.row), c.legal) << c.name;
}

TEST_F(GameTest, ClicksSelectMoveTheHighlightIgnoreTheRestAndJumpWithTheDrawingInOrder)
{
    game.LoadRecordedMoves(17, FullGameLog(15));
    EXPECT_TRUE(view.calls.empty());
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
    EXPECT_EQ(game.moveLog()[30], (std::array<Int16, 5>{0, 3, 2, 3, 4}));  // the loaded second move
    EXPECT_EQ(game.replayTarget(), 17);
}

TEST_F(GameTest, ClicksOffTheGridDoNothingWithOrWithoutASelection)
{
    const std::pair<int, int> clicks[] = {{-1, 4}, {10, 4}, {4, -1}, {4, 10}, {-1, -1},
                                          {10, 10}, {INT_MIN, 4}, {4, INT_MAX}};
    for (bool selectFirst : {false, true}) {
        if (selectFirst)
            game.CellClicked(4, 6);
        view.take();
        for (const auto &[col, row] : clicks) {
            SCOPED_TRACE(std::to_string(col) + "," + std::to_string(row) + (selectFirst ? " selected" : ""));
            const State before = Snapshot(game);
            EXPECT_EQ(game.CellClicked(col, row), ClickResult::Ignored);
            EXPECT_TRUE(view.calls.empty());
            EXPECT_TRUE(Snapshot(game) == before);
        }
    }
}

TEST_F(GameTest, AJumpShapedClickOnACellThatIsNoHoleIsIgnored)
{
    const struct {
        int selCol, selRow, col, row;
    } cases[] = {
        {4, 2, 2, 2},  // a corner of the cross
        {4, 2, 6, 2},
        {2, 4, 2, 2},
        {6, 4, 6, 2},
        {4, 6, 4, 8},  // beyond the cross, inside the grid
        {6, 4, 8, 4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.selCol) + "," + std::to_string(c.selRow) + " -> " + std::to_string(c.col) + "," +
                     std::to_string(c.row));
        ASSERT_TRUE(game.IsLegalJump(c.selCol, c.selRow, c.col, c.row));  // over a peg: only the target is wrong
        ASSERT_EQ(game.CellClicked(c.selCol, c.selRow), ClickResult::Selected);
        view.take();
        const State before = Snapshot(game);
        EXPECT_EQ(game.CellClicked(c.col, c.row), ClickResult::Ignored);
        EXPECT_TRUE(view.calls.empty());
        EXPECT_TRUE(Snapshot(game) == before);
    }
    EXPECT_TRUE(IsStartPosition(game));
}

TEST_F(GameTest, ClickingTheSelectedPegAgainRedrawsItAndKeepsItSelected)
{
    const std::pair<int, int> pegs[] = {{4, 6}, {2, 4}, {5, 7}, {3, 3}, {7, 5}};
    for (const auto &[col, row] : pegs) {
        const std::string at = "(" + std::to_string(col) + "," + std::to_string(row) + ")";
        SCOPED_TRACE(at);
        game.CellClicked(col, row);
        view.take();
        for (int again = 0; again < 2; ++again) {
            const State before = Snapshot(game);
            EXPECT_EQ(game.CellClicked(col, row), ClickResult::Selected);
            EXPECT_EQ(view.take(), (Calls{"pelny" + at, "refresh", "aktual" + at, "refresh"}));
            EXPECT_TRUE(Snapshot(game) == before);
            EXPECT_EQ(SelectionOf(game), (Selection{1, col, row}));
        }
    }
    EXPECT_TRUE(IsStartPosition(game));
}

TEST_F(GameTest, AClickOnAnEmptyHoleRightAfterAMoveIsIgnored)
{
    int secondJumps = 0;  // clicks that would have been a legal jump of the landed peg
    for (std::size_t i = 0; i < FULL_GAME.size(); ++i) {
        SCOPED_TRACE("after move " + std::to_string(i + 1));
        const Move &m = FULL_GAME[i];
        ASSERT_TRUE(Play(game, {m}));
        view.take();
        const State before = Snapshot(game);
        for (int col = GAME_FIRST; col <= GAME_LAST; ++col) {
            for (int row = GAME_FIRST; row <= GAME_LAST; ++row) {
                if (game.cell(col, row) != CELL_EMPTY)
                    continue;
                secondJumps += game.IsLegalJump(m.toCol, m.toRow, col, row);
                EXPECT_EQ(game.CellClicked(col, row), ClickResult::Ignored) << col << "," << row;
            }
        }
        EXPECT_TRUE(view.calls.empty());
        EXPECT_TRUE(Snapshot(game) == before);
    }
    EXPECT_GT(secondJumps, 0);
    EXPECT_EQ(game.pegsLeft(), 1);
}

TEST_F(GameTest, TheWorkedExampleReplaysAsClicksAndEndsWithTheLandedPegUnselected)
{
    game.LoadRecordedMoves(30, std::vector<Move>{{4, 2, 4, 4}, {2, 3, 4, 3}});
    EXPECT_TRUE(view.calls.empty());
    EXPECT_TRUE(IsStartPosition(game));
    EXPECT_EQ(game.PlayNextRecordedMove(), RecordedMoveResult::Played);
    EXPECT_EQ(view.take(), (Calls{"pusty(4,2)", "refresh", "pelny(4,4)", "pusty(4,3)", "refresh", "count 31"}));
    EXPECT_EQ(SelectionOf(game), (Selection{0, 4, 4}));
    EXPECT_EQ(game.PlayNextRecordedMove(), RecordedMoveResult::Played);
    EXPECT_EQ(view.take(), (Calls{"pusty(2,3)", "refresh", "pelny(4,3)", "pusty(3,3)", "refresh", "count 30"}));
    EXPECT_EQ(game.PlayNextRecordedMove(), RecordedMoveResult::NoneLeft);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(SelectionOf(game), (Selection{0, 4, 3}));

    // The same moves clicked by hand give the same board, counter and log.
    Game clicked;
    clicked.NewGame();
    ASSERT_TRUE(Play(clicked, {{4, 2, 4, 4}, {2, 3, 4, 3}}));
    State byHand = Snapshot(clicked);
    byHand.replayTarget = 30;
    EXPECT_TRUE(Snapshot(game) == byHand);
}

TEST_F(GameTest, NothingIsReplayedWhenTheCounterIsAtOrBelowTheTarget)
{
    const struct {
        const char *name;
        int playedFirst;  // moves clicked before the load
        Int16 target;
    } cases[] = {
        {"a file with the counter 32", 0, 32},
        {"a whole game, target reached", 31, 1},
        {"target above the counter", 2, 31},
        {"target far above the counter", 20, 32},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        game.NewGame();
        ASSERT_TRUE(Play(game, {FULL_GAME.begin(), FULL_GAME.begin() + c.playedFirst}));
        game.LoadRecordedMoves(c.target, FullGameLog(START_PEGS - c.target));
        view.take();
        const State before = Snapshot(game);
        EXPECT_EQ(game.PlayNextRecordedMove(), RecordedMoveResult::NoneLeft);
        EXPECT_TRUE(view.calls.empty());
        EXPECT_TRUE(Snapshot(game) == before);
    }
}

TEST_F(GameTest, ARecordedMoveThatCannotBeMadeIsRefusedAndLeavesThePosition)
{
    const struct {
        const char *name;
        std::vector<Move> moves;
        int playable;       // moves made before the one refused
        Calls calls;        // what the refused move draws
        Selection selection;  // what it leaves selected
    } cases[] = {
        // Over the peg at (3,2) into the hole the first move emptied: the
        // corner would turn into a hole if its "peg" were taken.
        {"from a corner off the cross", {{4, 2, 4, 4}, {2, 2, 4, 2}}, 1, {}, {0, 4, 4}},
        {"from the grid's first corner onto a peg", {{1, 1, 1, 3}}, 0, {}, {0, 0, 0}},
        // Over a peg into an empty hole, but from a hole the second move emptied.
        {"from an empty hole", {{4, 2, 4, 4}, {4, 5, 4, 3}, {4, 4, 4, 2}}, 2, {}, {0, 4, 3}},
        // A click on a peg selects it, so the highlight moves there and is dropped.
        {"onto a peg", {{4, 1, 4, 3}}, 0, {"pelny(4,1)", "refresh", "aktual(4,3)", "refresh"}, {0, 4, 3}},
        {"not a jump", {{4, 2, 4, 4}, {4, 7, 4, 3}}, 1, {}, {0, 4, 7}},
        {"over an empty hole", {{4, 2, 4, 4}, {2, 3, 4, 3}, {1, 3, 3, 3}}, 2, {}, {0, 1, 3}},
        {"onto a cell off the cross", {{3, 2, 1, 2}}, 0, {}, {0, 3, 2}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Game g{&view};  // nothing selected yet: (0, 0, 0)
        g.NewGame();
        g.LoadRecordedMoves(Int16(START_PEGS - c.moves.size()), c.moves);
        for (int i = 0; i < c.playable; ++i)
            ASSERT_EQ(g.PlayNextRecordedMove(), RecordedMoveResult::Played) << "move " << i + 1;
        view.take();
        State before = Snapshot(g);
        EXPECT_EQ(g.PlayNextRecordedMove(), RecordedMoveResult::Refused);
        EXPECT_EQ(view.take(), c.calls);
        EXPECT_EQ(SelectionOf(g), c.selection);
        before.selection = c.selection;
        EXPECT_TRUE(Snapshot(g) == before);
        // Refused again and again: nothing moves on.
        EXPECT_EQ(g.PlayNextRecordedMove(), RecordedMoveResult::Refused);
        EXPECT_EQ(g.pegsLeft(), before.pegsLeft);
    }
}

TEST_F(GameTest, AGameNeverLoadedReplaysNothingFromItsEmptyLog)
{
    const State before = Snapshot(game);
    EXPECT_EQ(game.PlayNextRecordedMove(), RecordedMoveResult::Refused);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_TRUE(Snapshot(game) == before);
}

TEST_F(GameTest, UndoDrawsTheMoveBackwardsAndRedoDrawsItAsThePlayerDid)
{
    // The second move, (3,2) over (3,3) to (3,4), is taken back and made again.
    const struct {
        const char *name;
        std::pair<int, int> selectBeforeUndo, selectBeforeRedo;  // (0, 0): no click
        Calls undo, redo;
    } cases[] = {
        {"nothing selected", {0, 0}, {0, 0},
         {"pusty(3,4)", "pelny(3,3)", "refresh", "pelny(3,2)", "refresh", "count 31"},
         {"aktual(3,2)", "refresh", "pusty(3,2)", "refresh", "pelny(3,4)", "pusty(3,3)", "refresh", "count 30"}},
        {"other pegs selected", {5, 4}, {4, 6},
         {"pelny(5,4)", "pusty(3,4)", "pelny(3,3)", "refresh", "pelny(3,2)", "refresh", "count 31"},
         {"pelny(4,6)", "refresh", "aktual(3,2)", "refresh", "pusty(3,2)", "refresh", "pelny(3,4)", "pusty(3,3)",
          "refresh", "count 30"}},
        {"the landed peg, then the source selected", {3, 4}, {3, 2},
         {"pelny(3,4)", "pusty(3,4)", "pelny(3,3)", "refresh", "pelny(3,2)", "refresh", "count 31"},
         {"pelny(3,2)", "refresh", "aktual(3,2)", "refresh", "pusty(3,2)", "refresh", "pelny(3,4)", "pusty(3,3)",
          "refresh", "count 30"}},
    };
    Game oneMove, twoMoves;
    oneMove.NewGame();
    twoMoves.NewGame();
    ASSERT_TRUE(Play(oneMove, {FULL_GAME[0]}) && Play(twoMoves, {FULL_GAME[0], FULL_GAME[1]}));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        game.NewGame();
        ASSERT_TRUE(Play(game, {FULL_GAME[0], FULL_GAME[1]}));
        if (c.selectBeforeUndo.first) {
            ASSERT_EQ(game.CellClicked(c.selectBeforeUndo.first, c.selectBeforeUndo.second), ClickResult::Selected);
        }
        view.take();
        EXPECT_TRUE(game.Undo());
        EXPECT_EQ(view.take(), c.undo);
        EXPECT_FALSE(game.hasSelection());
        EXPECT_EQ(BoardOf(game), BoardOf(oneMove));
        EXPECT_EQ(game.pegsLeft(), 31);
        if (c.selectBeforeRedo.first) {
            ASSERT_EQ(game.CellClicked(c.selectBeforeRedo.first, c.selectBeforeRedo.second), ClickResult::Selected);
        }
        view.take();
        EXPECT_TRUE(game.Redo());
        EXPECT_EQ(view.take(), c.redo);
        EXPECT_TRUE(Snapshot(game) == Snapshot(twoMoves));
    }
}

TEST_F(GameTest, WithNothingTakenBackOrToMakeAgainUndoAndRedoDoNothing)
{
    const struct {
        const char *name;
        int played;  // then a new game, the moves still in the log
    } cases[] = {
        {"a new game", 0},
        {"a whole game, then a new one", 31},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Play(game, {FULL_GAME.begin(), FULL_GAME.begin() + c.played}));
        game.NewGame();
        game.CellClicked(4, 6);  // a highlight that must stay
        view.take();
        const State before = Snapshot(game);
        EXPECT_FALSE(game.Undo());
        EXPECT_FALSE(game.Redo());
        EXPECT_TRUE(view.calls.empty());
        EXPECT_TRUE(Snapshot(game) == before);
    }
}

TEST_F(GameTest, MovesTakenBackAreMadeAgainUntilANewMoveANewGameOrALoad)
{
    const struct {
        const char *name;
        std::function<void(Game &)> meanwhile;  // done with two of three moves taken back
        bool kept;
    } cases[] = {
        {"a peg selected, a hole clicked", [](Game &g) { g.CellClicked(4, 6), g.CellClicked(2, 4); }, true},
        {"one more taken back and made again", [](Game &g) { g.Undo(), g.Redo(); }, true},
        {"a new move", [](Game &g) { Play(g, {{3, 6, 3, 4}}); }, false},
        {"a new game", [](Game &g) { g.NewGame(); }, false},
        {"the same moves loaded", [](Game &g) { g.LoadRecordedMoves(29, FullGameLog(3)); }, false},
    };
    Game threeMoves;
    threeMoves.NewGame();
    ASSERT_TRUE(Play(threeMoves, {FULL_GAME.begin(), FULL_GAME.begin() + 3}));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        game.NewGame();
        ASSERT_TRUE(Play(game, {FULL_GAME.begin(), FULL_GAME.begin() + 3}));
        ASSERT_TRUE(game.Undo() && game.Undo());
        c.meanwhile(game);
        view.take();
        const State before = Snapshot(game);
        if (c.kept) {
            EXPECT_TRUE(game.Redo());
            EXPECT_TRUE(game.Redo());
            EXPECT_FALSE(game.Redo());
            EXPECT_TRUE(Snapshot(game) == Snapshot(threeMoves));
        } else {
            EXPECT_FALSE(game.Redo());
            EXPECT_TRUE(view.calls.empty());
            EXPECT_TRUE(Snapshot(game) == before);
        }
    }
}

TEST_F(GameTest, UndoRefusesALoadedMoveThatDoesNotFitTheBoard)
{
    // After one move (2,4) (3,4) are the empty holes; after five (3,4) (3,3)
    // (2,3) (2,4) (1,4) (1,5) are, with pegs on (1,3) (5,4). The last move
    // loaded over the played ones fails one condition each time.
    const struct {
        const char *name;
        int played;
        Move last;
    } cases[] = {
        {"from a peg", 1, {3, 3, 3, 5}},
        {"from a corner off the cross", 5, {1, 1, 1, 3}},
        {"not a jump", 5, {3, 4, 1, 3}},
        {"over a peg", 5, {3, 4, 5, 4}},
        {"onto an empty hole", 5, {3, 4, 1, 4}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        game.NewGame();
        ASSERT_TRUE(Play(game, {FULL_GAME.begin(), FULL_GAME.begin() + c.played}));
        std::vector<Move> moves = FullGameLog(c.played - 1);
        moves.push_back(c.last);
        game.LoadRecordedMoves(Int16(START_PEGS - c.played), moves);
        view.take();
        const State before = Snapshot(game);
        EXPECT_FALSE(game.Undo());
        EXPECT_TRUE(view.calls.empty());
        EXPECT_TRUE(Snapshot(game) == before);
    }
}

TEST(GameRecordedMoves, RefusesWhatPlayCouldNotHaveLoggedAndKeepsTheOldLog)
{
    struct Case {
        std::string name;
        Int16 pegsLeft;
        std::vector<Move> moves;
    };
    std::vector<Move> thirtyTwo = FullGameLog();
    thirtyTwo.push_back({4, 4, 4, 6});
    std::vector<Move> thirtyThree = thirtyTwo;
    thirtyThree.push_back({4, 6, 4, 4});
    std::vector<Case> cases = {
        {"counter 0 with 32 moves", 0, thirtyTwo},
        {"counter -1 with 33 moves", -1, thirtyThree},
        {"counter 33 with no moves", 33, {}},
        {"counter 31 with no moves", 31, {}},
        {"counter 31 with two moves", 31, FullGameLog(2)},
        {"counter 32 with one move", 32, FullGameLog(1)},
        {"counter 1 with 30 moves", 1, FullGameLog(30)},
    };
    // Every entry of the first and the last move, just outside 1..7.
    for (int move : {0, 2}) {
        for (int entry = 0; entry < 4; ++entry) {
            for (Int16 bad : {Int16(0), Int16(8), Int16(-7)}) {
                std::vector<Move> moves = FullGameLog(3);
                Int16 *fields[] = {&moves[move].fromCol, &moves[move].fromRow, &moves[move].toCol, &moves[move].toRow};
                *fields[entry] = bad;
                cases.push_back({"move " + std::to_string(move + 1) + " entry " + std::to_string(entry + 1) + " = " +
                                     std::to_string(bad),
                                 29, moves});
            }
        }
    }
    Game game;
    game.NewGame();
    ASSERT_TRUE(Play(game, {FULL_GAME.begin(), FULL_GAME.begin() + 5}));
    game.LoadRecordedMoves(20, FullGameLog(12));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const State before = Snapshot(game);
        EXPECT_THROW(game.LoadRecordedMoves(c.pegsLeft, c.moves), std::invalid_argument);
        EXPECT_TRUE(Snapshot(game) == before);
    }
}

TEST(GameRecordedMoves, FillsSlots31DownToTheCounterAndTouchesNothingElse)
{
    const struct {
        const char *name;
        Int16 pegsLeft;
        std::vector<Move> moves;
    } cases[] = {
        {"counter 32, no moves", 32, {}},
        {"the whole game", 1, FullGameLog()},
        {"coordinates at both ends of 1..7", 30, {{1, 7, 7, 1}, {7, 1, 1, 7}}},
        {"a move play would refuse", 31, {{1, 1, 7, 7}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        game.NewGame();
        ASSERT_TRUE(Play(game));  // slots 31 down to 1 hold the played game
        game.CellClicked(4, 4);
        const State before = Snapshot(game);
        game.LoadRecordedMoves(c.pegsLeft, c.moves);
        State expected = before;
        expected.replayTarget = c.pegsLeft;
        for (std::size_t i = 0; i < c.moves.size(); ++i) {
            const Move &m = c.moves[i];
            expected.log[FIRST_SLOT - i] = {0, m.fromCol, m.fromRow, m.toCol, m.toRow};
        }
        EXPECT_TRUE(Snapshot(game) == expected);
        for (int slot = 0; slot <= LOG_LAST_SLOT; ++slot)
            EXPECT_EQ(game.moveLog()[slot], expected.log[slot]) << "slot " << slot;
    }
}

TEST(IndexCheckTest, OutOfBoundsAccessIsRefused)
{
    const struct {
        int a, b;
        bool inCell, inLog;  // within the board's 0..9 square; within log slots 0..33, entries 0..4
    } cases[] = {
        {0, 0, true, true},     {9, 9, true, false},   {9, 4, true, true},    {4, 9, true, false},
        {10, 0, false, true},   {0, 10, false, false},  {-1, 0, false, false}, {0, -1, false, false},
        {33, 4, false, true},   {34, 1, false, false},  {33, 5, false, false}, {5, 5, true, false},
    };
    Game game;
    game.NewGame();
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + "," + std::to_string(c.b));
        if (c.inCell)
            EXPECT_NO_THROW(game.cell(c.a, c.b));
        else
            EXPECT_THROW(game.cell(c.a, c.b), IndexError);
        if (c.inLog)
            EXPECT_NO_THROW(game.logEntry(c.a, c.b));
        else
            EXPECT_THROW(game.logEntry(c.a, c.b), IndexError);
    }
}
