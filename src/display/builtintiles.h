// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include "game.h"

namespace peg {

// The tiles the board shows until a board look is applied, drawn in code
// from a fixed seed so every run (and every test) sees the same pixels.
// Each is 60 by 60, QImage::Format_RGB32, opaque; drawn at 2 it is 120 by
// 120 with the same grain, each grain value covering 2 by 2 pixels, for
// screens at more than 100 %.
QImage BuiltinTile(Tile tile, int pixelsPerTilePixel = 1);

// The 32 by 32 window icon, QImage::Format_ARGB32 with transparent outside.
QImage BuiltinIcon();

// The icon at another size, for desktop menus; at 32 it is BuiltinIcon().
QImage BuiltinIconAt(int size);

// Every size the icon is drawn at, for menus, title bars and task bars.
inline constexpr int ICON_SIZES[] = {PEG_ICON_SIZES};  // from the build's one list

} // namespace peg
