// SPDX-License-Identifier: MIT
#pragma once

class QMenu;

namespace peg {

class Kelbor;

// The "Zadanie" menu: the central game, the figures, and the two boards
// whose empty hole is picked on the board; the current problem checked.
// Nothing in it can be chosen while a replay runs.
void FillProblemMenu(QMenu *menu, Kelbor *board);

} // namespace peg
