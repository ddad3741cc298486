// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

namespace peg {

// The window is laid out in twips; at 96 dots per inch 15 twips make a pixel.
inline constexpr int TWIPS_PER_PIXEL = 15;

constexpr int PixelsOfTwips(int twips) { return twips / TWIPS_PER_PIXEL; }

inline QRect PixelsOfTwips(int left, int top, int width, int height)
{
    return QRect(PixelsOfTwips(left), PixelsOfTwips(top), PixelsOfTwips(width), PixelsOfTwips(height));
}

// The window's client area as the design gives it: 457 by 464 pixels.
inline constexpr QSize WINDOW_SIZE{PixelsOfTwips(6855), PixelsOfTwips(6960)};

} // namespace peg
