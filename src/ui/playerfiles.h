// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <string>

#include "boardlook.h"
#include "problems.h"
#include "words.h"

namespace peg {

class Game;

// The game's files as the window reads and writes them. Each returns what
// went wrong in the player's words, or an empty text when all went well;
// the words themselves, and the titles of the boxes, are in words.h.

QString ReadGameFile(const std::string &name, std::string &content);
QString ReadLookName(const std::string &name, QString &shown);
// Everything is read and loaded before anything is returned, so a bad file
// never leaves the board in a mix of two looks. shown: the look's name as
// read with its pictures, which may have changed since it was chosen.
QString LoadLook(const std::string &name, BoardLookPictures &pictures, QString &shown);
// The moves as the game stands, under the name as typed.
QString SaveMoves(const QString &typed, const Game &game, const Problem &problem = CentralProblem());
// The game's working folder as the system names it (bytes), or nothing
// when it is gone.
std::optional<std::string> WorkingFolder();
// Said when the game runs in a folder that is not the player's own.
QString NoPlayerFolderMessage();

} // namespace peg
