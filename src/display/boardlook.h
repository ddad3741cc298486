// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <stdexcept>
#include <string>

#include "game.h"

namespace peg {

// A board-look file: a display name and four picture names, in the order
// selected peg, no hole, peg, empty hole. Picture names are kept as the
// bytes the file holds, so they find files whose names are not UTF-8.
struct BoardLookFile {
    std::string displayName;  // as the file holds it
    std::string aktual, nieuzyt, pelny, pusty;
};

// A look that cannot be applied; what() is a Polish message for the player.
class BoardLookError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Only the first item, as the file holds it, for the name label.
std::string ReadBoardLookName(const std::string &content);

// All five items; throws BoardLookError (with line and item) when one is missing.
BoardLookFile ParseBoardLook(const std::string &content);

// The four pictures, each cut to the block a cell shows before the next is
// read, so large pictures never pile up in memory. Throws BoardLookError
// naming the first picture that cannot be read. An empty name is an empty picture.
// Beside each picture name.ext, a picture name@2x.ext, where there is one,
// is read too (its 120-pixel block) for screens above 100 %; a damaged one
// refuses the look like any other picture.
// Every format but PNG and sequential JPEG is decoded whole before its
// corner is cut: past this many pixels (4 MiB decoded, some 20 ms here) such
// a picture is refused before decoding, so a look and its @2x pictures,
// eight at most, apply within a second.
inline constexpr int MAX_WHOLE_DECODE_SIDE = 1024;
inline constexpr qint64 MAX_WHOLE_DECODE_PIXELS = qint64(MAX_WHOLE_DECODE_SIDE) * MAX_WHOLE_DECODE_SIDE;
// Enough of a picture's start for any header to give its size.
inline constexpr std::size_t PICTURE_HEAD_BYTES = 64 << 10;

struct BoardLookPictures {
    std::array<QImage, 4> byTile;  // indexed by Tile
    std::array<QImage, 4> twice;   // null where there is no @2x picture
};
std::string TwiceName(const std::string &name);
BoardLookPictures LoadBoardLookPictures(const BoardLookFile &look);

} // namespace peg
