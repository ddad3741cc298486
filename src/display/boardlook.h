#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <stdexcept>
#include <string>

#include "game.h"

namespace peg {

// A board-look file: a display name and four picture names, in the order
// selected peg, no hole, peg, empty hole.
struct BoardLookFile {
    QString displayName;
    QString aktual, nieuzyt, pelny, pusty;
};

// A look that cannot be applied; what() is a Polish message for the player.
class BoardLookError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Text from a file as a person wrote it: UTF-8 where it is valid, else the
// Central European Windows code page the game's older files were made in.
QString DecodeFileText(const std::string &bytes);

// Only the first item, for the name label.
QString ReadBoardLookName(const std::string &content);

// All five items; throws BoardLookError (with line and item) when one is missing.
BoardLookFile ParseBoardLook(const std::string &content);

// The four pictures, all loaded before any is used: throws BoardLookError
// naming the first picture that cannot be read. An empty name is an empty picture.
struct BoardLookPictures {
    std::array<QImage, 4> byTile;  // indexed by Tile
};
BoardLookPictures LoadBoardLookPictures(const BoardLookFile &look);

} // namespace peg
