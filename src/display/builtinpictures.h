// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include "game.h"

namespace peg {

// The built-in tiles and icon as the program carries them: drawn once at
// build time (see builtintiles.h) and embedded, so start-up only decodes them.
QImage EmbeddedTile(Tile tile);
QImage EmbeddedIcon();

} // namespace peg
