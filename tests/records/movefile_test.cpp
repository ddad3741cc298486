#include "movefile.h"
#include "replay.h"

#include "fullgame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using peg::Game;
using peg::Move;
using peg::MoveFileError;

namespace {

const std::string kHeader = "Plik opisujacy ruchy gracza. Ilosc pozostalych:\r\n";

void Play(Game &g, const std::vector<Move> &moves)
{
    for (const Move &m : moves) {
        ASSERT_EQ(g.CellClicked(m.fromCol, m.fromRow), peg::ClickResult::Selected);
        ASSERT_EQ(g.CellClicked(m.toCol, m.toRow), peg::ClickResult::Moved);
    }
}

TEST(MoveFile, TwoMovesGiveTheWorkedBytes)
{
    Game g;
    g.NewGame();
    Play(g, {{4, 2, 4, 4}, {2, 3, 4, 3}});
    const std::string bytes = peg::FormatMoveFile(g);
    EXPECT_EQ(bytes, kHeader + " 30 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n");
    EXPECT_EQ(bytes.size(), 83u);
}

TEST(MoveFile, SavingAtStartIgnoresAnEarlierGame)
{
    Game g;
    g.NewGame();
    Play(g, {{4, 2, 4, 4}});
    g.NewGame();
    EXPECT_EQ(peg::FormatMoveFile(g), kHeader + " 32 \r\n");
}

TEST(MoveFile, NegativeValuesTakeTheSignPosition)
{
    peg::MoveLog log{};
    log[31] = {0, -1, 10, -32768, 7};
    EXPECT_EQ(peg::FormatMoveFile(31, log), kHeader + " 31 \r\n-1  10 -32768  7 \r\n");
}

TEST(MoveFile, FullGameSurvivesSaveParseReplaySave)
{
    std::vector<Move> solution;
    for (const RecordedMove &m : FULL_GAME)
        solution.push_back({peg::Int16(m.fromCol), peg::Int16(m.fromRow), peg::Int16(m.toCol), peg::Int16(m.toRow)});
    Game played;
    played.NewGame();
    Play(played, solution);
    ASSERT_EQ(played.pegsLeft(), 1);
    ASSERT_EQ(played.cell(4, 4), peg::CELL_PEG);
    const std::string bytes = peg::FormatMoveFile(played);
    EXPECT_EQ(bytes.substr(kHeader.size(), 19), " 1 \r\n 2  4  4  4 \r\n");
    EXPECT_EQ(bytes.size(), 49u + 5u + 31u * 14u);

    const peg::MoveFile file = peg::ParseMoveFile(bytes + "trailing junk, x\r\n");
    EXPECT_EQ(file.pegsLeft, 1);
    EXPECT_EQ(file.moves, solution);

    Game replayed;
    replayed.NewGame();
    peg::ApplyMoveFile(file, replayed);
    ASSERT_EQ(replayed.replayTarget(), 1);
    int ticks = 0;
    while (peg::ReplayTick(replayed) == peg::TickResult::Continue)
        ASSERT_LT(++ticks, 31);
    EXPECT_EQ(replayed.pegsLeft(), 1);
    EXPECT_EQ(peg::FormatMoveFile(replayed), bytes);
}

TEST(MoveFile, ApplyRefusesMovesThatDoNotMatchTheCounter)
{
    Game g;
    EXPECT_THROW(peg::ApplyMoveFile({30, {{4, 2, 4, 4}}}, g), std::invalid_argument);
    EXPECT_EQ(g.replayTarget(), 0);
}

struct BadFile {
    const char *name;
    std::string content;
    int line, item;
    const char *message;
};

class RefusesMoveFile : public testing::TestWithParam<BadFile> {};

TEST_P(RefusesMoveFile, NamesLineAndItem)
{
    try {
        peg::ParseMoveFile(GetParam().content);
        FAIL() << "accepted";
    } catch (const MoveFileError &e) {
        EXPECT_EQ(e.line, GetParam().line);
        EXPECT_EQ(e.item, GetParam().item);
        EXPECT_STREQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, RefusesMoveFile, testing::Values(
    BadFile{"EmptyFile", "", 1, 1, "wiersz 1: plik kończy się przed pozycją 1"},
    BadFile{"HeaderOnly", kHeader, 1, 2, "wiersz 1: plik kończy się przed pozycją 2"},
    BadFile{"NoHeader", " 31 \r\n 4  2  4  4 \r\n", 1, 1, "wiersz 1, pozycja 1: brak nagłówka, plik zaczyna się od liczby „31”"},
    BadFile{"CounterZero", kHeader + " 0 \r\n", 2, 2, "wiersz 2, pozycja 2: liczba pozostałych pionów wynosi 0, poza zakresem od 1 do 32"},
    BadFile{"CounterAbove32", kHeader + "\r\n 33 \r\n", 3, 2, "wiersz 3, pozycja 2: liczba pozostałych pionów wynosi 33, poza zakresem od 1 do 32"},
    BadFile{"CounterOverflow", kHeader + " 40000 \r\n", 2, 2, "wiersz 2, pozycja 2: liczba „40000” przekracza zakres od -32768 do 32767"},
    BadFile{"ColumnTooBig", kHeader + " 30 \r\n 4  2  4  4 \r\n 2  3  8  3 \r\n", 4, 9,
            "wiersz 4, pozycja 9: kolumna pola docelowego w ruchu 2 wynosi 8, poza zakresem od 1 do 7"},
    BadFile{"RowZero", kHeader + " 31 \r\n 4  0  4  4 \r\n", 3, 4,
            "wiersz 3, pozycja 4: rząd pola startowego w ruchu 1 wynosi 0, poza zakresem od 1 do 7"},
    BadFile{"TextForNumber", kHeader + " 31 \r\n 4  2  x  4 \r\n", 3, 5, "wiersz 3, pozycja 5: „x” nie jest liczbą całkowitą"},
    BadFile{"EndMidLine", kHeader + " 31 \r\n 4  2  4 \r\n", 3, 6,
            "wiersz 3: plik kończy się przed pozycją 6 (licznik 31 wymaga 1 ruchów, pełnych ruchów w pliku: 0)"},
    BadFile{"TooFewLines", kHeader + " 29 \r\n 4  2  4  4 \r\n 2  3  4  3 \r\n", 4, 11,
            "wiersz 4: plik kończy się przed pozycją 11 (licznik 29 wymaga 3 ruchów, pełnych ruchów w pliku: 2)"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
