// SPDX-License-Identifier: MIT
#pragma once

namespace peg {

// A board cell's side in logical pixels: the tiles, the board looks'
// pictures and the presses all count in it.
inline constexpr int TILE_PX = 60;

} // namespace peg
