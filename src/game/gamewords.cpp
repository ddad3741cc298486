// SPDX-License-Identifier: MIT
#include "gamewords.h"

#include "game.h"
#include "solver.h"

namespace peg {

std::string PegsLeftName(int pegsLeft)
{
    return "Pozostało: " + std::to_string(pegsLeft);
}

std::string CellText(int col, int row, int code, bool selected)
{
    std::string what = code == CELL_PEG ? "pion" : code == CELL_EMPTY ? "pusta dziurka" : "poza planszą";
    if (code == CELL_PEG && selected)
        what += ", zaznaczony";
    return "kolumna " + std::to_string(col) + ", rząd " + std::to_string(row) + ": " + what;
}

std::string HintText(const Move &move)
{
    return "podpowiedź: z kolumny " + std::to_string(move.fromCol) + ", rzędu " + std::to_string(move.fromRow) +
           " na kolumnę " + std::to_string(move.toCol) + ", rząd " + std::to_string(move.toRow);
}

std::string NoWinningMoveText(bool centre)
{
    return centre ? "Z tej pozycji nie da się już zostawić jednego piona w środku"
                  : "Z tej pozycji nie da się już zostawić jednego piona";
}

std::string GameOverText(int pegsLeft, bool won, bool centre, bool perfect)
{
    if (won && centre)
        return "Koniec gry: został jeden pion, w środku planszy";
    if (won)
        return perfect ? "Koniec gry: został jeden pion, w polu, które na początku było puste. Wygrana doskonała!"
                       : "Koniec gry: został jeden pion. Wygrana!";
    return "Koniec gry: nie ma już żadnego ruchu. Pozostało pionów: " + std::to_string(pegsLeft);
}

std::string UnknownHintText()
{
    return "Nie wiadomo: w 0,2 s nie udało się ani znaleźć wygranej, ani dowieść, że jej nie ma";
}

std::string PickEmptyHoleText()
{
    return "Kliknij pole, które ma być puste na początku (Esc: powrót do gry)";
}

std::string NoSingleEmptyText(int col, int row)
{
    return "Gdy na początku puste jest pole w kolumnie " + std::to_string(col) + ", rzędzie " + std::to_string(row) +
           ", nie da się zostawić jednego piona. Wybierz inne pole.";
}

std::string VerdictText(Verdict verdict, bool won, bool perfect)
{
    if (won)
        return perfect ? "wygrana doskonała" : "wygrana";
    switch (verdict) {
    case Verdict::Reachable:
        return "da się wygrać";
    case Verdict::Unreachable:
        return "przegrana";
    case Verdict::Unknown:
        break;
    }
    return "nie wiadomo";
}

} // namespace peg
