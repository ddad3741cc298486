// SPDX-License-Identifier: MIT
#pragma once

#include "game.h"
#include "problems.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace peg {

inline constexpr const char *MOVE_FILE_HEADER = "Plik opisujacy ruchy gracza. Ilosc pozostalych:";
// A game of another problem than the central one names it on the line
// after the header: this, then the problem's id.
inline constexpr const char *PROBLEM_PREFIX = "Zadanie: ";

// A move file read in full: moves[0] is the first move of the game, in the
// slot below the problem's start count; moves.back() is slot pegsLeft, the
// latest one.
struct MoveFile {
    const Problem *problem = &CentralProblem();
    Int16 pegsLeft = START_PEGS;
    std::vector<Move> moves;
};

// A move file that cannot be replayed as a whole; what() says where and why, in Polish.
class MoveFileError : public std::runtime_error {
public:
    MoveFileError(int line, int item, const std::string &what)
        : std::runtime_error(what), line(line), item(item) {}
    int line;  // 1-based line of the faulty item (or the last line when the file ends early)
    int item;  // 1-based number of the item within the file
};

// The bytes of the move file for a game of the problem: header, the
// problem's line unless it is the central game, counter, then the slots
// below the start count down to pegsLeft; every line ends with CR LF.
std::string FormatMoveFile(Int16 pegsLeft, const MoveLog &log, const Problem &problem = CentralProblem());
// The game's start must be the problem's.
std::string FormatMoveFile(const Game &game, const Problem &problem = CentralProblem());

// Reads the whole content of a move file. Throws MoveFileError unless every
// item that a replay needs is there and in range; what follows is not read.
MoveFile ParseMoveFile(const std::string &content);

// Sets replayTarget and the log slots from the first move's down to
// pegsLeft; the board is not touched. The game must have been set up for the
// file's problem. Throws std::invalid_argument, changing nothing, for a file
// that ParseMoveFile would not have given.
void ApplyMoveFile(const MoveFile &file, Game &game);

} // namespace peg
