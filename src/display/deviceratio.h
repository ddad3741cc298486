// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <cmath>

#include "tilesize.h"

namespace peg {

// A board cell's side in device pixels on a screen at this ratio.
inline int DeviceCellPx(double ratio, int tilePx = TILE_PX)
{
    return int(std::lround(tilePx * ratio));
}

// A tile for that screen from its 120-pixel picture: as it is at 200 %,
// smoothly scaled at any other ratio. The game and the tests that check
// its screen both call this, so they agree pixel for pixel.
inline QImage TileAtRatio(const QImage &twice, double ratio)
{
    const int side = DeviceCellPx(ratio);
    if (twice.width() == side && twice.height() == side)
        return twice;
    return twice.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace peg
