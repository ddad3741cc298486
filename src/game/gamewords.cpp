// SPDX-License-Identifier: MIT
#include "gamewords.h"

#include "game.h"
#include "solver.h"
#include "translate.h"

namespace peg {

namespace {
std::string N(int n) { return std::to_string(n); }
} // namespace

std::string PegsLeftName(int pegsLeft)
{
    return Fill(translate("GameWords", "Pozostało: %1"), {N(pegsLeft)});
}

std::string CellText(int col, int row, int code, bool selected)
{
    const char *what = code == CELL_PEG     ? (selected ? QT_TRANSLATE_NOOP("GameWords", "pion, zaznaczony")
                                                        : QT_TRANSLATE_NOOP("GameWords", "pion"))
                       : code == CELL_EMPTY ? QT_TRANSLATE_NOOP("GameWords", "pusta dziurka")
                                            : QT_TRANSLATE_NOOP("GameWords", "poza planszą");
    return Fill(translate("GameWords", "kolumna %1, rząd %2: %3"), {N(col), N(row), translate("GameWords", what)});
}

std::string HintText(const Move &move)
{
    return Fill(translate("GameWords", "podpowiedź: z kolumny %1, rzędu %2 na kolumnę %3, rząd %4"),
                {N(move.fromCol), N(move.fromRow), N(move.toCol), N(move.toRow)});
}

std::string NoWinningMoveText(bool centre)
{
    return centre ? translate("GameWords", "Z tej pozycji nie da się już zostawić jednego piona w środku")
                  : translate("GameWords", "Z tej pozycji nie da się już zostawić jednego piona");
}

std::string GameOverText(int pegsLeft, bool won, bool centre, bool perfect)
{
    if (won && centre)
        return translate("GameWords", "Koniec gry: został jeden pion, w środku planszy");
    if (won)
        return perfect ? translate("GameWords", "Koniec gry: został jeden pion, w polu, które na początku było "
                                                "puste. Wygrana doskonała!")
                       : translate("GameWords", "Koniec gry: został jeden pion. Wygrana!");
    return Fill(translate("GameWords", "Koniec gry: nie ma już żadnego ruchu. Pozostało pionów: %1"),
                {N(pegsLeft)});
}

std::string UnknownHintText()
{
    return translate("GameWords",
                     "Nie wiadomo: w 0,2 s nie udało się ani znaleźć wygranej, ani dowieść, że jej nie ma");
}

std::string PickEmptyHoleText()
{
    return translate("GameWords", "Kliknij pole, które ma być puste na początku (Esc: powrót do gry)");
}

std::string NoSingleEmptyText(int col, int row)
{
    return Fill(translate("GameWords", "Gdy na początku puste jest pole w kolumnie %1, rzędzie %2, nie da się "
                                       "zostawić jednego piona. Wybierz inne pole."),
                {N(col), N(row)});
}

std::string VerdictText(Verdict verdict, bool won, bool perfect)
{
    if (won)
        return perfect ? translate("GameWords", "wygrana doskonała") : translate("GameWords", "wygrana");
    switch (verdict) {
    case Verdict::Reachable:
        return translate("GameWords", "da się wygrać");
    case Verdict::Unreachable:
        return translate("GameWords", "przegrana");
    case Verdict::Unknown:
        break;
    }
    return translate("GameWords", "nie wiadomo");
}

} // namespace peg
