#include "itemreader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using peg::ItemError;
using peg::ItemReader;

namespace {

// Runs one read per letter: T text, I 16-bit integer, V value ("n:" number, "t:" text).
std::vector<std::string> ReadAll(ItemReader &r, const std::string &ops)
{
    std::vector<std::string> out;
    for (char op : ops) {
        if (op == 'T') {
            out.push_back(r.ReadText());
        } else if (op == 'I') {
            out.push_back(std::to_string(r.ReadInt16()));
        } else {
            const peg::ItemValue v = r.ReadValue();
            out.push_back((v.isNumber ? "n:" : "t:") + v.AsText());
        }
    }
    return out;
}

const auto ByName = [](const auto &info) { return std::string(info.param.name); };

struct ReadCase {
    const char *name;
    const char *input;
    const char *ops;
    std::vector<std::string> expected;
};

class ReadsItems : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadsItems, YieldsExpectedItems)
{
    ItemReader r(GetParam().input);
    EXPECT_EQ(ReadAll(r, GetParam().ops), GetParam().expected);
}

const std::vector<std::string> kLook = {"t:a.bmp", "t:b.bmp", "n:7", "t:d.bmp", "Moja plansza"};

INSTANTIATE_TEST_SUITE_P(Rules, ReadsItems, testing::Values(
    ReadCase{"LookOnOneLine", "a.bmp,b.bmp,7,d.bmp,Moja plansza\r\n", "VVVVT", kLook},
    ReadCase{"LookOnFiveLines", "a.bmp\r\nb.bmp\r\n7\r\nd.bmp\r\nMoja plansza\r\n", "VVVVT", kLook},
    ReadCase{"QuotedKeepsComma", "\"a, b\"\r\nz", "TT", {"a, b", "z"}},
    ReadCase{"QuotedDropsTrail", "\"a, b\" dropped, z", "TT", {"a, b", "z"}},
    ReadCase{"UnquotedSplitsAtComma", "a, b", "TT", {"a", "b"}},
    ReadCase{"TextTrimsBlanks", "abc   ,  x  \r\n", "TT", {"abc", "x"}},
    ReadCase{"QuotedSpansLines", "\"two\r\nlines\",5", "TI", {"two\r\nlines", "5"}},
    ReadCase{"MoveLine", " 4  2  4  4 \r\n", "IIII", {"4", "2", "4", "4"}},
    ReadCase{"MoveLineCommas", "4,2,4,4", "IIII", {"4", "2", "4", "4"}},
    ReadCase{"MoveLineBlanksAndCommas", "4      2 , 4 ,4\r\n", "IIII", {"4", "2", "4", "4"}},
    ReadCase{"LoneLineEnds", "\r\n\r\n  4\n\n2\r\r4\r\n\r\n4", "IIII", {"4", "2", "4", "4"}},
    ReadCase{"SignsAndZeros", "-32768,+32767 0007", "III", {"-32768", "32767", "7"}},
    ReadCase{"Values", "12,12a,\"12\",012,-1.5,+.5,1e3,-0", "VVVVVVVV",
             {"n:12", "t:12a", "t:12", "n:12", "n:-1.5", "n:0.5", "t:1e3", "n:0"}},
    ReadCase{"NumberThenText", "5 tekst, dalej", "IT", {"5", "tekst"}},
    ReadCase{"BytesBeyondAscii", "\xB3\xF3" "d\xBC.bmp", "V", {"t:\xB3\xF3" "d\xBC.bmp"}}), ByName);

struct FailCase {
    const char *name;
    const char *input;
    const char *ops;  // the last read fails
    ItemError::Kind kind;
    int line, item;
    const char *itemText;
    const char *message;
};

class FailsAt : public testing::TestWithParam<FailCase> {};

TEST_P(FailsAt, ReportsLineAndItem)
{
    const FailCase &c = GetParam();
    ItemReader r(c.input);
    const std::string ops = c.ops;
    ReadAll(r, ops.substr(0, ops.size() - 1));
    try {
        ReadAll(r, ops.substr(ops.size() - 1));
        FAIL() << "no error";
    } catch (const ItemError &e) {
        EXPECT_EQ(e.kind, c.kind);
        EXPECT_EQ(e.line, c.line);
        EXPECT_EQ(e.item, c.item);
        EXPECT_EQ(e.itemText, c.itemText);
        EXPECT_STREQ(e.what(), c.message);
    }
}

using K = ItemError::Kind;
INSTANTIATE_TEST_SUITE_P(Errors, FailsAt, testing::Values(
    FailCase{"EmptyFile", "", "T", K::EndOfFile, 1, 1, "", "wiersz 1: plik kończy się przed pozycją 1"},
    FailCase{"EndAfterBlankLines", "a\r\nb\r\n\r\n  ", "TTV", K::EndOfFile, 4, 3, "", "wiersz 4: plik kończy się przed pozycją 3"},
    FailCase{"EndMidMoves", "1 2 3\r\n4 5 6\r\n", "IIIIIII", K::EndOfFile, 2, 7, "", "wiersz 2: plik kończy się przed pozycją 7"},
    FailCase{"Overflow", "1\r\n40000", "II", K::Overflow, 2, 2, "40000",
             "wiersz 2, pozycja 2: liczba „40000” przekracza zakres od -32768 do 32767"},
    FailCase{"NegativeOverflow", "-32769", "I", K::Overflow, 1, 1, "-32769",
             "wiersz 1, pozycja 1: liczba „-32769” przekracza zakres od -32768 do 32767"},
    FailCase{"HugeNumber", "99999999999999999999999", "I", K::Overflow, 1, 1, "99999999999999999999999",
             "wiersz 1, pozycja 1: liczba „99999999999999999999999” przekracza zakres od -32768 do 32767"},
    FailCase{"TextForNumber", "1,2\r\n3\r\n4,x", "IIIII", K::NotANumber, 3, 5, "x", "wiersz 3, pozycja 5: „x” nie jest liczbą całkowitą"},
    FailCase{"DecimalForInteger", "4.5", "I", K::NotANumber, 1, 1, "4.5", "wiersz 1, pozycja 1: „4.5” nie jest liczbą całkowitą"},
    FailCase{"EmptyItem", "5,,6", "II", K::NotANumber, 1, 2, "", "wiersz 1, pozycja 2: „” nie jest liczbą całkowitą"},
    FailCase{"SignOnly", "-", "I", K::NotANumber, 1, 1, "-", "wiersz 1, pozycja 1: „-” nie jest liczbą całkowitą"},
    FailCase{"NonUtf8Item", "\xB3", "I", K::NotANumber, 1, 1, "\xB3", "wiersz 1, pozycja 1: „\uFFFD” nie jest liczbą całkowitą"}), ByName);

} // namespace
