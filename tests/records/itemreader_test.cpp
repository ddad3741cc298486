// SPDX-License-Identifier: MIT
#include "itemreader.h"
#include "words.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace peg;
using K = ItemError::Kind;

namespace {

// Runs one read per letter: T text, I 16-bit integer, V value ("n:" number, "t:" text).
std::vector<std::string> ReadAll(ItemReader &r, const std::string &ops)
{
    std::vector<std::string> out;
    for (const char op : ops) {
        const ItemValue v = op == 'V' ? r.ReadValue() : ItemValue{};
        out.push_back(op == 'T' ? r.ReadText() : op == 'I' ? std::to_string(r.ReadInt16()) : (v.isNumber ? "n:" : "t:") + v.AsText());
    }
    return out;
}

TEST(ItemReader, ReadsItemsByTheDelimiterRules)
{
    const struct { const char *input, *ops; std::vector<std::string> expected; } cases[] = {
        {"a.bmp\r\nb.bmp\r\n7\r\nMoja plansza\r\n", "VVVT", {"t:a.bmp", "t:b.bmp", "n:7", "Moja plansza"}},
        {"\"a, b\"\r\nz", "TT", {"a, b", "z"}},
        {"\"a, b\" dropped, z", "TT", {"a, b", "z"}},
        {"abc   ,  x  \r\n", "TT", {"abc", "x"}},
        {"\"two\r\nlines\",5", "TI", {"two\r\nlines", "5"}},
        {"4      2 , 4 ,4\r\n", "IIII", {"4", "2", "4", "4"}},
        {"\r\n\r\n  4\n\n2\r\r4\r\n\r\n4", "IIII", {"4", "2", "4", "4"}},
        {"-32768,+32767 0007", "III", {"-32768", "32767", "7"}},
        {"12,12a,\"12\",012,-1.5,+.5,1e3,-0", "VVVVVVVV", {"n:12", "t:12a", "t:12", "n:12", "n:-1.5", "n:0.5", "t:1e3", "n:0"}},
        // A byte-order mark is not part of the first item, quoted or not.
        {"\xEF\xBB\xBF\"Nazwa, z przecinkiem\",a", "TT", {"Nazwa, z przecinkiem", "a"}},
        {"\xEF\xBB\xBF 30 \r\n", "I", {"30"}},
        {"x\xEF\xBB\xBF", "T", {"x\xEF\xBB\xBF"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.input);
        ItemReader r(c.input);
        EXPECT_EQ(ReadAll(r, c.ops), c.expected);
    }
}

TEST(ItemReader, ReportsKindLineItemAndTextOfAFailedRead)
{
    // The last read fails.
    const struct { const char *input, *ops; K kind; int line, item; const char *itemText, *message; } cases[] = {
        {"a\r\nb\r\n\r\n  ", "TTV", K::EndOfFile, 4, 3, "", "wiersz 4: plik kończy się przed pozycją 3"},
        {"-32769", "I", K::Overflow, 1, 1, "-32769", "wiersz 1, pozycja 1: liczba „-32769” przekracza zakres od -32768 do 32767"},
        {"7,32768", "II", K::Overflow, 1, 2, "32768", "wiersz 1, pozycja 2: liczba „32768” przekracza zakres od -32768 do 32767"},
        // 2 to the 64th plus 5: refused, not wrapped round to 5.
        {"18446744073709551621", "I", K::Overflow, 1, 1, "18446744073709551621", "wiersz 1, pozycja 1: liczba „18446744073709551621” przekracza zakres od -32768 do 32767"},
        {"4.5", "I", K::NotANumber, 1, 1, "4.5", "wiersz 1, pozycja 1: „4.5” nie jest liczbą całkowitą"},
        {"5,,6", "II", K::NotANumber, 1, 2, "", "wiersz 1, pozycja 2: „” nie jest liczbą całkowitą"},
        {"\xB3", "I", K::NotANumber, 1, 1, "\xB3", "wiersz 1, pozycja 1: „ł” nie jest liczbą całkowitą"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.input);
        ItemReader r(c.input);
        try {
            ReadAll(r, c.ops);
            ADD_FAILURE() << "no error";
        } catch (const ItemError &e) {
            EXPECT_EQ(std::tuple(e.kind, e.line, e.item, e.itemText, std::string(e.what())),
                      std::tuple(c.kind, c.line, c.item, c.itemText, c.message));
        }
    }
}

} // namespace

TEST(Quoted, IsShortAndShowsNoRawBytes)
{
    const struct { std::string raw, quoted; } cases[] = {
        {"abc", "\u201Eabc\u201D"},
        {std::string(40, 'x'), "\u201E" + std::string(40, 'x') + "\u201D"},
        {std::string(1 << 20, '7'), "\u201E" + std::string(40, '7') + "\u2026\u201D"},
        {"\xbfo\xb3w", "\u201E\u017Co\u0142w\u201D"},         // not UTF-8: read as Windows-1250
        {"a\x81\x83z", "\u201Ea\uFFFDz\u201D"},              // bytes that page has no letter for
        {"a\r\n\tb", "\u201Ea\uFFFDb\u201D"},               // control characters too
        {"\xc5\x82\xc3\xb3" "d\xc5\xba", "\u201E\u0142\u00F3" "d\u017A\u201D"},  // UTF-8 letters stay
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.raw.substr(0, 50));
        EXPECT_EQ(Quoted(c.raw), c.quoted);
    }
}
