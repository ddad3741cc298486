// SPDX-License-Identifier: MIT
#include "movefile.h"
#include "replay.h"

#include "fullgame.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

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

TEST(MoveFile, TwoMovesGiveTheWorkedBytesAndANewGameNone)
{
    Game g;
    g.NewGame();
    ASSERT_TRUE(Play(g, {{4, 2, 4, 4}, {2, 3, 4, 3}}));
    const std::string bytes = FormatMoveFile(g);
    EXPECT_EQ(bytes, kHeader + " 30 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n");
    EXPECT_EQ(bytes.size(), 83u);
    g.NewGame();  // the earlier game stays in the log but is not written
    EXPECT_EQ(FormatMoveFile(g), kHeader + " 32 \r\n");
}

TEST(MoveFile, FullGameSurvivesSaveParseReplaySave)
{
    Game played;
    played.NewGame();
    ASSERT_TRUE(Play(played));
    const std::string bytes = FormatMoveFile(played);
    EXPECT_EQ(bytes.size(), 49u + 5u + 31u * 14u);

    Game replayed = Loaded(bytes + "trailing junk, x\r\n");  // what follows the moves is not read
    int ticks = 1;
    while (ReplayTick(replayed) == TickResult::Continue)
        ASSERT_LT(++ticks, 32);
    EXPECT_EQ(ticks, 31);
    EXPECT_EQ(replayed.pegsLeft(), 1);
    EXPECT_EQ(FormatMoveFile(replayed), bytes);
}

TEST(MoveFile, RefusalNamesLineAndItem)
{
    const struct {
        std::string content;
        int line, item;
        const char *message;
    } cases[] = {
        {"", 1, 1, "wiersz 1: plik kończy się przed pozycją 1"},
        {" 31 \r\n 4  2  4  4 \r\n", 1, 1, "wiersz 1, pozycja 1: brak nagłówka, plik zaczyna się od liczby „31”"},
        {kHeader + " 0 \r\n", 2, 2, "wiersz 2, pozycja 2: liczba pozostałych pionów wynosi 0, poza zakresem od 1 do 32"},
        {kHeader + "\r\n 33 \r\n", 3, 2, "wiersz 3, pozycja 2: liczba pozostałych pionów wynosi 33, poza zakresem od 1 do 32"},
        {kHeader + " 30 \r\n 4  2  4  4 \r\n 2  3  8  3 \r\n", 4, 9,
         "wiersz 4, pozycja 9: kolumna pola docelowego w ruchu 2 wynosi 8, poza zakresem od 1 do 7"},
        {kHeader + " 31 \r\n 4  0  4  4 \r\n", 3, 4, "wiersz 3, pozycja 4: rząd pola startowego w ruchu 1 wynosi 0, poza zakresem od 1 do 7"},
        {kHeader + " 31 \r\n 4  2  x  4 \r\n", 3, 5, "wiersz 3, pozycja 5: „x” nie jest liczbą całkowitą"},
        {kHeader + " 29 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n", 4, 11,
         "wiersz 4: plik kończy się przed pozycją 11 (licznik 29 wymaga 3 ruchów, pełnych ruchów w pliku: 2)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.content);
        try {
            ParseMoveFile(c.content);
            ADD_FAILURE() << "accepted";
        } catch (const MoveFileError &e) {
            EXPECT_EQ(e.line, c.line);
            EXPECT_EQ(e.item, c.item);
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(ReplayTick, RefusesAMoveThatCannotBeMadeAndKeepsThePosition)
{
    // After (4,2) -> (4,4) the holes (4,2) and (4,3) are empty.
    const struct {
        const char *name;
        std::string file;
        int number;  // the move the replay must stop at
        Move move;
    } cases[] = {
        {"first move onto a peg", " 31 \r\n 4  1  4  3 \r\n", 1, {4, 1, 4, 3}},
        {"not a jump", " 30 \r\n 4  2  4  4 \r\n 4  7  4  3 \r\n", 2, {4, 7, 4, 3}},
        // Over a peg into an empty hole, but from a hole the second move emptied.
        {"empty source", " 29 \r\n 4  2  4  4 \r\n 4  5  4  3 \r\n 4  4  4  2 \r\n", 3, {4, 4, 4, 2}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
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
}

TEST(ReplayTick, EndsWhereTheFileSaysWithTheLastLandedPegUnselected)
{
    const struct {
        const char *name;
        std::string file;
        std::vector<TickResult> ticks;
        Int16 pegsLeft;
        std::array<int, 3> selection;  // flag, column, row at the end
    } cases[] = {
        {"counter 32: nothing to play", " 32 \r\n", {TickResult::Finished}, 32, {0, 0, 0}},
        {"the worked example", " 30 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n",
         {TickResult::Continue, TickResult::Finished}, 30, {0, 4, 3}},
        // Over the hole the first move emptied; with no place to report it the tick still stops.
        {"refused, not reported", " 30 \r\n 4  2  4  4 \r\n 4  1  4  3 \r\n",
         {TickResult::Continue, TickResult::Refused}, 31, {0, 4, 1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Game g = Loaded(kHeader + c.file);
        for (std::size_t i = 0; i < c.ticks.size(); ++i)
            EXPECT_EQ(ReplayTick(g), c.ticks[i]) << "tick " << i + 1;
        // A stopped replay stays stopped where it is.
        EXPECT_EQ(ReplayTick(g), c.ticks.back());
        EXPECT_EQ(g.pegsLeft(), c.pegsLeft);
        EXPECT_EQ((std::array<int, 3>{g.hasSelection(), g.selectedCol(), g.selectedRow()}), c.selection);
        if (c.pegsLeft == START_PEGS) {
            EXPECT_TRUE(IsStartPosition(g));
        }
    }
}

TEST(ApplyMoveFile, RefusesAFileTheParserWouldNotGiveAndChangesNothing)
{
    const struct {
        const char *name;
        MoveFile file;
    } cases[] = {
        {"counter 0", {0, std::vector<Move>(32, Move{4, 2, 4, 4})}},
        {"counter 33", {33, {}}},
        {"too few moves", {30, {{4, 2, 4, 4}}}},
        {"too many moves", {31, {{4, 2, 4, 4}, {2, 3, 4, 3}}}},
        {"a row of 8", {30, {{4, 2, 4, 4}, {2, 3, 4, 8}}}},
        {"a column of 0", {31, {{0, 2, 4, 4}}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Game g = Loaded(kHeader + " 31 \r\n 4  6  4  4 \r\n");
        const Game before = g;
        EXPECT_THROW(ApplyMoveFile(c.file, g), std::invalid_argument);
        EXPECT_EQ(g.replayTarget(), before.replayTarget());
        EXPECT_EQ(g.moveLog(), before.moveLog());
        EXPECT_TRUE(IsStartPosition(g));
    }
}

std::string Sample(const char *name)
{
    std::ifstream in(std::string(SAMPLES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SampleMoveFiles, ReplayToTheirEndAndAreWrittenAsTheGameWrites)
{
    for (const char *name : {"przyklad.txt", "pelna-gra.txt"}) {
        SCOPED_TRACE(name);
        const std::string content = Sample(name);
        Game g = Loaded(content);
        for (int ticks = 0; ReplayTick(g) == TickResult::Continue;)
            ASSERT_LT(++ticks, 40);
        EXPECT_EQ(g.replayTarget(), g.pegsLeft());
        EXPECT_EQ(FormatMoveFile(g), content);
    }
}

TEST(UndoRedo, TakeEveryMoveBackToTheStartAndMakeItAgainWithTheFileOfEachStep)
{
    const std::string sample = Sample("pelna-gra.txt");
    Game started;
    started.NewGame();
    struct {
        const char *name;
        Game game;
        std::function<bool(Game &, int)> step;  // makes move number i (0-based)
    } cases[] = {
        {"clicked", started, [](Game &g, int i) { return Play(g, {FULL_GAME[i]}); }},
        {"a finished replay of pelna-gra.txt", Loaded(sample),
         [](Game &g, int) { return ReplayTick(g) != TickResult::Refused; }},
    };
    for (auto &c : cases) {
        SCOPED_TRACE(c.name);
        Game &g = c.game;
        std::vector<std::string> files{FormatMoveFile(g)};  // [k]: the first k moves saved
        std::vector<Grid> boards{BoardOf(g)};
        for (int i = 0; i < 31; ++i) {
            ASSERT_TRUE(c.step(g, i)) << "move " << i + 1;
            files.push_back(FormatMoveFile(g));
            boards.push_back(BoardOf(g));
        }
        for (int k = 30; k >= 0; --k) {
            SCOPED_TRACE(std::to_string(k) + " moves left on the board");
            ASSERT_TRUE(g.Undo());
            EXPECT_EQ(FormatMoveFile(g), files[k]);
            EXPECT_EQ(BoardOf(g), boards[k]);
        }
        EXPECT_FALSE(g.Undo());
        EXPECT_TRUE(IsStartPosition(g));
        EXPECT_EQ(FormatMoveFile(g), kHeader + " 32 \r\n");
        for (int k = 1; k <= 31; ++k) {
            SCOPED_TRACE(std::to_string(k) + " moves made again");
            ASSERT_TRUE(g.Redo());
            EXPECT_EQ(FormatMoveFile(g), files[k]);
            EXPECT_EQ(BoardOf(g), boards[k]);
        }
        EXPECT_FALSE(g.Redo());
    }
    // The replayed game is written back byte for byte.
    EXPECT_EQ(FormatMoveFile(cases[1].game), sample);
}

TEST(UndoRedo, MadeDuringAReplayTheyOnlyStepItBackOrOn)
{
    // 'u' undo, 'r' redo, after ten ticks of pelna-gra.txt.
    const struct {
        const char *keys;
        int ticksLeft;  // until the replay finishes
    } cases[] = {
        {"u", 22}, {"uur", 22}, {"r", 21}, {"uuurrr", 21}, {"uuuuuuuuuuu", 31},
    };
    const std::string sample = Sample("pelna-gra.txt");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.keys);
        Game g = Loaded(sample);
        for (int i = 0; i < 10; ++i)
            ASSERT_EQ(ReplayTick(g), TickResult::Continue);
        for (const char *k = c.keys; *k; ++k)
            *k == 'u' ? g.Undo() : g.Redo();
        int ticks = 1;
        while (ReplayTick(g) == TickResult::Continue)
            ASSERT_LT(++ticks, 40);
        EXPECT_EQ(ticks, c.ticksLeft);
        EXPECT_EQ(g.pegsLeft(), 1);
        EXPECT_EQ(FormatMoveFile(g), sample);
    }
}

} // namespace
