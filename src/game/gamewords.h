// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace peg {

struct Move;

// What the player hears or reads about the game itself: the board cell by
// cell, the counter and the hints. The file messages are in words.h.
// Texts are UTF-8, in Polish.

// ---- What a screen reader says

std::string PegsLeftName(int pegsLeft);
// code: the cell's content (CELL_PEG, CELL_EMPTY, anything else is off the board).
std::string CellText(int col, int row, int code, bool selected);

// ---- Hints

// "podpowiedź: z kolumny 4, rzędu 2 na kolumnę 4, rząd 4"
std::string HintText(const Move &move);
std::string NoWinningMoveText();
// No move left at all; won: one peg, in the centre.
std::string GameOverText(int pegsLeft, bool won);

} // namespace peg
