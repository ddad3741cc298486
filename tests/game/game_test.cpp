// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "../common/fullgame.h"
#include "cursor.h"
#include "gamewords.h"
#include "translate.h"
#include "replay.h"

using namespace peg;

// Writes down every call the game makes on the screen, in order.
struct RecordingView : BoardView {
    std::string calls;
    void DrawTile(Tile t, int col, int row) override
    {
        calls += std::array{"nieuzyt", "pusty", "pelny", "aktual"}[int(t)];
        calls += "(" + std::to_string(col) + "," + std::to_string(row) + ") ";
    }
    void RefreshBoard() override { calls += "refresh "; }
    void DrawBoard() override { calls += "board "; }
    void ShowCount(Int16 n) override { calls += "count " + std::to_string(n) + " "; }
    std::string take() { return std::exchange(calls, {}); }
};

// Everything a caller can read back from a game.
auto StateOf(const Game &g)
{
    return std::tuple(BoardOf(g), g.pegsLeft(), g.hasSelection(), g.selectedCol(), g.selectedRow(), g.moveLog(),
                      g.replayTarget());
}

struct GameTest : ::testing::Test {
    RecordingView view;
    Game game{&view};
};

TEST_F(GameTest, JumpRuleInTheStartPosition)
{
    const std::tuple<const char *, Move, bool> cases[] = {
        {"left over a peg", {6, 4, 4, 4}, true}, {"left over the empty centre", {5, 4, 3, 4}, false},
        {"right over a peg", {2, 4, 4, 4}, true}, {"right over the empty centre", {3, 4, 5, 4}, false},
        {"up over a peg", {4, 6, 4, 4}, true}, {"up over the empty centre", {4, 5, 4, 3}, false},
        {"down over a peg", {4, 2, 4, 4}, true}, {"down over the empty centre", {4, 3, 4, 5}, false},
        {"diagonal", {5, 5, 3, 3}, false}, {"three cells", {7, 4, 4, 4}, false}, {"onto a peg", {4, 7, 4, 5}, false},
        {"over a cell off the cross", {3, 1, 1, 1}, false}, {"target on the grid's edge", {7, 4, 9, 4}, false},
    };
    game.NewGame();
    for (const auto &[name, m, legal] : cases)
        EXPECT_EQ(game.IsLegalJump(m.fromCol, m.fromRow, m.toCol, m.toRow), legal) << name;
}

TEST_F(GameTest, AClickSelectsAPegOrMovesTheSelectedOneAndIgnoresTheRest)
{
    // Name, moves of FULL_GAME clicked first, clicks (the last one is checked), its result and drawing.
    using Clicks = std::vector<std::pair<int, int>>;
    const std::tuple<const char *, int, Clicks, ClickResult, const char *> cases[] = {
        {"a peg", 0, {{4, 6}}, ClickResult::Selected, "aktual(4,6) refresh "},
        {"another peg", 0, {{4, 6}, {3, 3}}, ClickResult::Selected, "pelny(4,6) refresh aktual(3,3) refresh "},
        {"the selected peg", 0, {{4, 6}, {4, 6}}, ClickResult::Selected, "pelny(4,6) refresh aktual(4,6) refresh "},
        {"an empty hole out of reach", 0, {{4, 7}, {4, 4}}, ClickResult::Ignored, ""},
        {"off the grid", 0, {{4, 6}, {-1, 4}}, ClickResult::Ignored, ""},
        // (4,3) has just landed; its jump over (3,3) into (2,3) needs it selected again.
        {"a hole right after a move", 11, {{2, 3}}, ClickResult::Ignored, ""},
        {"a hole a jump away", 0, {{4, 6}, {4, 4}}, ClickResult::Moved,
         "pusty(4,6) refresh pelny(4,4) pusty(4,5) refresh count 31 "},
    };
    for (const auto &[name, played, clicks, result, calls] : cases) {
        SCOPED_TRACE(name);
        game.NewGame();
        ASSERT_TRUE(Play(game, FullGameLog(played)));
        for (std::size_t i = 0; i + 1 < clicks.size(); ++i)
            game.CellClicked(clicks[i].first, clicks[i].second);
        const Game before = game;
        const auto [col, row] = clicks.back();
        view.take();
        EXPECT_EQ(game.CellClicked(col, row), result);
        EXPECT_EQ(view.take(), calls);
        if (result == ClickResult::Ignored)
            EXPECT_TRUE(StateOf(game) == StateOf(before));
        else  // a selected peg is highlighted, a landed one remembered but not selected
            EXPECT_EQ(std::tuple(game.hasSelection(), game.selectedCol(), game.selectedRow(), game.pegsLeft()),
                      std::tuple(result == ClickResult::Selected, col, row,
                                 before.pegsLeft() - (result == ClickResult::Moved)));
    }
}

TEST_F(GameTest, UndoAndRedoOnlyWithAMoveToTakeBackOrMakeAgain)
{
    const auto twoBack = [](Game &g) { Play(g, FullGameLog(3)), g.Undo(), g.Undo(); };
    // Moves played, then a recorded game loaded over them whose last move does not fit the board.
    const auto misfit = [](int n, Move bad) {
        return [=](Game &g) { auto m = FullGameLog(n); Play(g, m), m.back() = bad, g.LoadRecordedMoves(g.pegsLeft(), m); };
    };
    const std::tuple<const char *, std::function<void(Game &)>, bool, bool> cases[] = {  // ..., can undo, can redo
        {"two undone, then a peg selected (as a hint does) and a hole out of reach clicked",
         [&](Game &g) { twoBack(g), g.CellClicked(4, 6), g.CellClicked(2, 4); }, true, true},
        {"two undone, then a new move", [&](Game &g) { twoBack(g), Play(g, {{3, 6, 3, 4}}); }, true, false},
        {"two undone, then a new game", [&](Game &g) { twoBack(g), g.NewGame(); }, false, false},
        {"two undone, then the same moves loaded",
         [&](Game &g) { twoBack(g), g.LoadRecordedMoves(29, FullGameLog(3)); }, true, false},
        // After one move (2,4) (3,4) are empty; after five (3,4) (3,3) (2,3) (2,4) (1,4) (1,5).
        {"loaded: from a peg", misfit(1, {3, 3, 3, 5}), false, false},
        {"loaded: not a jump", misfit(5, {3, 4, 1, 3}), false, false},
        {"loaded: over a peg", misfit(5, {3, 4, 5, 4}), false, false},
        {"loaded: onto an empty hole", misfit(5, {3, 4, 1, 4}), false, false},
    };
    for (const auto &[name, setup, canUndo, canRedo] : cases) {
        SCOPED_TRACE(name);
        game.NewGame();
        setup(game);
        Game undone = game, redone = game;
        EXPECT_EQ(std::tuple(game.CanUndo(), undone.Undo(), game.CanRedo(), redone.Redo()),
                  std::tuple(canUndo, canUndo, canRedo, canRedo));
        EXPECT_EQ(StateOf(undone) == StateOf(game), !canUndo);  // refused, nothing changes
        EXPECT_EQ(StateOf(redone) == StateOf(game), !canRedo);
    }
}

TEST_F(GameTest, ARecordedGameReplaysToItsCounterOrStopsAtTheFirstMoveThatCannotBeMade)
{
    // Counter, moves, and 0: replayed to the end; -1: not loaded; else the move the replay stops at.
    // A recorded move is made as a click makes it: which jumps are legal is JumpRule's table.
    const std::tuple<const char *, Int16, std::vector<Move>, int> cases[] = {
        {"counter 32, no moves", 32, {}, 0},
        {"the worked example", 30, {{4, 2, 4, 4}, {2, 3, 4, 3}}, 0},
        {"counter 0", 0, std::vector<Move>(32, Move{4, 2, 4, 4}), -1},
        {"too few moves", 30, {{4, 2, 4, 4}}, -1},
        {"too many moves", 31, {{4, 2, 4, 4}, {2, 3, 4, 3}}, -1},
        {"a column of 0", 31, {{0, 2, 4, 4}}, -1},
        {"a row of 8", 30, {{4, 2, 4, 4}, {2, 3, 4, 8}}, -1},
        {"onto a peg", 31, {{4, 1, 4, 3}}, 1},
        {"from a corner off the cross", 30, {{4, 2, 4, 4}, {2, 2, 4, 2}}, 2},
        // Over a peg into an empty hole, but from the hole the second move emptied.
        {"from an empty hole", 29, {{4, 2, 4, 4}, {4, 5, 4, 3}, {4, 4, 4, 2}}, 3},
    };
    for (const auto &[name, pegsLeft, moves, refusedAt] : cases) {
        SCOPED_TRACE(name);
        game.NewGame();
        game.LoadRecordedMoves(31, std::vector<Move>{{4, 6, 4, 4}});  // what a refused load must keep
        const auto loaded = StateOf(game);
        if (refusedAt < 0) {
            EXPECT_THROW(game.LoadRecordedMoves(pegsLeft, moves), std::invalid_argument);
            EXPECT_TRUE(StateOf(game) == loaded);
            continue;
        }
        game.LoadRecordedMoves(pegsLeft, moves);
        EXPECT_TRUE(IsStartPosition(game));
        const int last = refusedAt ? refusedAt : std::max(int(moves.size()), 1);
        for (int tick = 1; tick < last; ++tick)
            ASSERT_EQ(ReplayTick(game), TickResult::Continue) << "tick " << tick;
        const Cells board = BoardOf(game);
        const TickResult end = refusedAt ? TickResult::Refused : TickResult::Finished;
        RefusedMove refused;
        EXPECT_EQ(ReplayTick(game, &refused), end);
        EXPECT_EQ(ReplayTick(game), end);  // a stopped replay stays stopped
        EXPECT_EQ(std::tuple(game.pegsLeft(), game.hasSelection()),
                  std::tuple(Int16(refusedAt ? START_PEGS + 1 - refusedAt : pegsLeft), false));
        // The refused move is named and changes nothing.
        EXPECT_TRUE(!refusedAt
                    || (refused.number == refusedAt && refused.move == moves[last - 1] && BoardOf(game) == board));
    }
}

// Where it ends, one peg in the centre, is the oracle test's (hints followed to the end).
TEST_F(GameTest, TheSampleGameIsTakenBackToTheStartAndMadeAgain)
{
    game.NewGame();
    ASSERT_TRUE(Play(game));
    const Game end = game;
    // The last move, (6,4) over (5,4) to (4,4), drawn backwards and made again, a peg selected each time.
    game.CellClicked(4, 4);
    view.take();
    EXPECT_TRUE(game.Undo());
    EXPECT_EQ(view.take(), "pelny(4,4) pusty(4,4) pelny(5,4) refresh pelny(6,4) refresh count 2 ");
    EXPECT_EQ(std::tuple(game.cell(6, 4), game.cell(5, 4), game.cell(4, 4), game.pegsLeft(), game.hasSelection()),
              std::tuple(CELL_PEG, CELL_PEG, CELL_EMPTY, Int16(2), false));
    game.CellClicked(5, 4);
    view.take();
    EXPECT_TRUE(game.Redo());
    EXPECT_EQ(view.take(),
              "pelny(5,4) refresh aktual(6,4) refresh pusty(6,4) refresh pelny(4,4) pusty(5,4) refresh count 1 ");
    EXPECT_TRUE(StateOf(game) == StateOf(end));
    for (int k = 0; k < 31; ++k)
        ASSERT_TRUE(game.Undo()) << "undo " << k + 1;
    EXPECT_TRUE(IsStartPosition(game) && !game.CanUndo());
    for (int k = 0; k < 31; ++k)
        ASSERT_TRUE(game.Redo()) << "redo " << k + 1;
    EXPECT_TRUE(StateOf(game) == StateOf(end) && !game.CanRedo());
}

TEST(Cursor, StepsToTheNextHoleOrStaysAtTheEdgeOfTheCross)
{
    const std::tuple<CellPos, int, int, CellPos> cases[] = {  // from, dx, dy, to
        {{4, 4}, 0, -1, {4, 3}}, {{3, 3}, -1, 0, {2, 3}},  // plain steps
        {{4, 1}, 0, -1, {4, 1}}, {{7, 5}, 1, 0, {7, 5}},  // the ends of the arms: the grid's edge
        {{1, 4}, -1, 0, {1, 4}}, {{5, 7}, 0, 1, {5, 7}},
        {{3, 1}, -1, 0, {3, 1}}, {{5, 2}, 1, 0, {5, 2}},  // beside an arm only corner blocks lie
        {{2, 3}, 0, -1, {2, 3}}, {{6, 5}, 0, 1, {6, 5}},
    };
    for (const auto &[from, dx, dy, to] : cases)
        EXPECT_EQ(CursorStep(from, dx, dy), to) << from.col << "," << from.row << " by " << dx << "," << dy;
}

// The counter's name and the notes on a lost position are read in the window's tests.
TEST(GameWords, SayWhatACellHoldsAndWhatAHintShows)
{
    const std::pair<std::string, const char *> cases[] = {
        {CellText(3, 5, CELL_PEG, true), "kolumna 3, rząd 5: pion, zaznaczony"},
        {CellText(3, 5, CELL_EMPTY, true), "kolumna 3, rząd 5: pusta dziurka"},
        {CellText(1, 2, CELL_NONE, false), "kolumna 1, rząd 2: poza planszą"},
        {HintText({2, 3, 4, 3}), "podpowiedź: z kolumny 2, rzędu 3 na kolumnę 4, rząd 3"},
        {GameOverText(1, true), "Koniec gry: został jeden pion, w środku planszy"},
        // Places filled in one pass: a name holding "%2" stays as named.
        {Fill("%1, %2 %3%", {"%2.txt", "x"}), "%2.txt, x %3%"},
    };
    for (const auto &[said, expected] : cases)
        EXPECT_EQ(said, expected);
}
