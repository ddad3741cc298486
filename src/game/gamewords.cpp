// SPDX-License-Identifier: MIT
#include "gamewords.h"

#include "game.h"

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

std::string NoWinningMoveText()
{
    return "Z tej pozycji nie da się już zostawić jednego piona w środku";
}

std::string GameOverText(int pegsLeft, bool won)
{
    if (won)
        return "Koniec gry: został jeden pion, w środku planszy";
    return "Koniec gry: nie ma już żadnego ruchu. Pozostało pionów: " + std::to_string(pegsLeft);
}

} // namespace peg
