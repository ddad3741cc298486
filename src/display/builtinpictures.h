// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>

#include "game.h"

namespace peg {

// The built-in tiles and icon as the program carries them: drawn once at
// build time (see builtintiles.h) and embedded as bare pixels, so start-up
// neither draws nor decodes them. Format_RGB32.
QImage EmbeddedTile(Tile tile);
QImage EmbeddedTileTwice(Tile tile);  // 120 by 120, for screens above 100 %

// The window icon at every size the project draws (ICON_SIZES), made from
// pixels embedded as they are: nothing to decode. Needs a QGuiApplication.
QIcon EmbeddedIconAllSizes();

} // namespace peg
