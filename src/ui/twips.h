// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

namespace peg {

// The window is laid out in twips; at 96 dots per inch 15 twips make a pixel.
inline constexpr int TWIPS_PER_PIXEL = 15;

inline QRect Twips(int left, int top, int width, int height)
{
    return QRect(left / TWIPS_PER_PIXEL, top / TWIPS_PER_PIXEL, width / TWIPS_PER_PIXEL, height / TWIPS_PER_PIXEL);
}

} // namespace peg
