// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace peg {

struct Move;
enum class Verdict;

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
// centre: the goal is one peg in the centre, else one peg anywhere.
std::string NoWinningMoveText(bool centre = true);
// No move left at all; won: the goal is reached; perfect: in the hole that
// was empty at the start.
std::string GameOverText(int pegsLeft, bool won, bool centre = true, bool perfect = false);
// A position the search could neither win nor prove lost in its time.
std::string UnknownHintText();

// ---- Above the board

std::string PickEmptyHoleText();
// A hole from which, empty at the start, one peg cannot be left.
std::string NoSingleEmptyText(int col, int row);

std::string VerdictText(Verdict verdict, bool won, bool perfect);

} // namespace peg
