// SPDX-License-Identifier: MIT
#pragma once

#include "game.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace peg {

inline constexpr const char *MOVE_FILE_HEADER = "Plik opisujacy ruchy gracza. Ilosc pozostalych:";

// A move file read in full: moves[0] is slot 31, the first move of the game;
// moves.back() is slot pegsLeft, the latest one.
struct MoveFile {
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

// The bytes of the move file for the game as it stands: header, counter,
// then slots 31 down to pegsLeft; every line ends with CR LF.
std::string FormatMoveFile(Int16 pegsLeft, const MoveLog &log);
std::string FormatMoveFile(const Game &game);

// Reads the whole content of a move file. Throws MoveFileError unless every
// item that a replay needs is there and in range; what follows is not read.
MoveFile ParseMoveFile(const std::string &content);

// Sets replayTarget and the log slots 31 down to pegsLeft; the board is not
// touched. Throws std::invalid_argument, changing nothing, for a file that
// ParseMoveFile would not have given.
void ApplyMoveFile(const MoveFile &file, Game &game);

} // namespace peg
