// SPDX-License-Identifier: MIT
#include "movefile.h"
#include "replay.h"

#include "fullgame.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

using namespace peg;

namespace {

const std::string kHeader = "Plik opisujacy ruchy gracza. Ilosc pozostalych:\r\n";

std::string Sample(const char *name)
{
    std::ifstream in(std::string(SAMPLES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(MoveFile, IsWrittenAsPlayedAndReadBackByteForByte)
{
    const struct { std::vector<Move> played; bool newGameAfter; std::string bytes; } cases[] = {
        {{}, false, kHeader + " 32 \r\n"},
        {{{4, 2, 4, 4}, {2, 3, 4, 3}}, false, kHeader + " 30 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n"},
        {{{4, 2, 4, 4}, {2, 3, 4, 3}}, true, kHeader + " 32 \r\n"},  // the old game stays in the log, unwritten
    };
    std::vector<std::string> files{Sample("przyklad.txt"), Sample("pelna-gra.txt")};
    for (const auto &c : cases) {
        Game g;
        g.NewGame();
        ASSERT_TRUE(Play(g, c.played));
        if (c.newGameAfter)
            g.NewGame();
        files.push_back(FormatMoveFile(g));
        EXPECT_EQ(files.back(), c.bytes);
    }
    for (const std::string &bytes : files) {
        SCOPED_TRACE(bytes);
        Game g;
        g.NewGame();
        ApplyMoveFile(ParseMoveFile(bytes + "trailing junk, x\r\n"), g);  // what follows the moves is not read
        for (int ticks = 1; ReplayTick(g) == TickResult::Continue; ++ticks)
            ASSERT_LT(ticks, 40);
        EXPECT_EQ(g.pegsLeft(), g.replayTarget());
        EXPECT_EQ(FormatMoveFile(g), bytes);
    }
}

TEST(MoveFile, OfAnotherProblemNamesItAndReplaysOnItsBoard)
{
    const Problem &cross = *FindProblem("krzyz");
    Game g;
    g.SetStart({Board::Of(cross.shape).holes(), cross.start});
    g.NewGame();
    ASSERT_TRUE(Play(g, {{4, 4, 4, 6}}));
    const std::string bytes = FormatMoveFile(g, cross);
    EXPECT_EQ(bytes, kHeader + "Zadanie: krzyz\r\n 5 \r\n 4  4  4  6 \r\n");

    const MoveFile file = ParseMoveFile(bytes);
    ASSERT_EQ(file.problem, &cross);
    g.NewGame();
    ApplyMoveFile(file, g);
    EXPECT_EQ(ReplayTick(g), TickResult::Finished);
    EXPECT_EQ(FormatMoveFile(g, cross), bytes);
}

TEST(MoveFile, RefusalNamesLineAndItem)
{
    const struct { std::string content; int line, item; const char *message; } cases[] = {
        {"", 1, 1, "wiersz 1: plik kończy się przed pozycją 1"},
        {" 31 \r\n 4  2  4  4 \r\n", 1, 1, "wiersz 1, pozycja 1: brak nagłówka, plik zaczyna się od liczby „31”"},
        {kHeader + " 0 \r\n", 2, 2, "wiersz 2, pozycja 2: liczba pozostałych pionów wynosi 0, poza zakresem od 1 do 32"},
        {kHeader + "\r\n 33 \r\n", 3, 2, "wiersz 3, pozycja 2: liczba pozostałych pionów wynosi 33, poza zakresem od 1 do 32"},
        {kHeader + "Zadanie: krzyz\r\n 7 \r\n", 3, 3, "wiersz 3, pozycja 3: liczba pozostałych pionów wynosi 7, poza zakresem od 1 do 6"},
        {kHeader + "Zadanie: kwadrat\r\n 1 \r\n", 2, 2, "wiersz 2, pozycja 2: nieznane zadanie „kwadrat”; ta wersja gry zna zadania wymienione w menu „Zadanie”"},
        {kHeader + "Zadanie krzyz\r\n 1 \r\n", 2, 2, "wiersz 2, pozycja 2: „Zadanie” nie jest liczbą całkowitą"},
        {kHeader + " 30 \r\n 4  2  4  4 \r\n 2  3  8  3 \r\n", 4, 9, "wiersz 4, pozycja 9: kolumna pola docelowego w ruchu 2 wynosi 8, poza zakresem od 1 do 7"},
        {kHeader + " 31 \r\n 4  0  4  4 \r\n", 3, 4, "wiersz 3, pozycja 4: rząd pola startowego w ruchu 1 wynosi 0, poza zakresem od 1 do 7"},
        {kHeader + " 31 \r\n 4  2  x  4 \r\n", 3, 5, "wiersz 3, pozycja 5: „x” nie jest liczbą całkowitą"},
        {kHeader + " 29 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n", 4, 11, "wiersz 4: plik kończy się przed pozycją 11 (licznik 29 wymaga 3 ruchów, pełnych ruchów w pliku: 2)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.content);
        try {
            ParseMoveFile(c.content);
            ADD_FAILURE() << "accepted";
        } catch (const MoveFileError &e) {
            EXPECT_EQ(std::tuple(e.line, e.item, std::string(e.what())), std::tuple(c.line, c.item, c.message));
        }
    }
}

} // namespace
