// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "boards.h"

namespace peg {

// A problem: a board, the holes that hold pegs at the start, and the goal,
// always one peg left: in one given hole, or in any.
struct Problem {
    std::string id;    // ASCII, short and stable: move files name the problem by it
    std::string name;  // UTF-8, in the player's language, for the menu
    Shape shape;
    Grid start;
    int goalHole;      // grid bit; -1: any hole
    int emptyHole;     // grid bit of the one hole empty at the start; -1 for a figure
};

// The central game first (the default), then the figures on the cross (goal
// the centre), the cross from each single empty hole and the French board
// from each single empty hole whose class lets one peg be left (goal one
// peg anywhere, for both).
const std::vector<Problem> &Problems();
const Problem *FindProblem(std::string_view id);
inline const Problem &CentralProblem() { return Problems().front(); }
int StartPegs(const Problem &problem);

bool IsGoal(const Problem &problem, Grid p);
// One peg left, in the hole that was empty at the start.
bool IsPerfect(const Problem &problem, Grid p);

// The holes where the goal allows the last peg and the position's class does
// too: empty means the goal can never be reached from p.
Grid FinishHoles(Shape shape, int goalHole, Grid p);

} // namespace peg
