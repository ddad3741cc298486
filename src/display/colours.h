// SPDX-License-Identifier: MIT
// Colour arithmetic for the pictures drawn in code: the built-in tiles and
// the sample looks (tools/makelooks). Channels run 0..255 and stay unrounded
// until a pixel is written.
#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace peg {

// The built-in tiles compute in float and makelooks in double; each keeps its
// own precision, as rounding differently would move the odd pixel.
template <typename T>
struct BasicRgb {
    T r = 0, g = 0, b = 0;
};

template <typename T>
constexpr BasicRgb<T> operator+(BasicRgb<T> a, BasicRgb<T> b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

template <typename T>
constexpr BasicRgb<T> operator*(BasicRgb<T> a, std::type_identity_t<T> k)
{
    return {a.r * k, a.g * k, a.b * k};
}

// A colour seen through a tint: white leaves it as it is.
template <typename T>
constexpr BasicRgb<T> operator*(BasicRgb<T> a, BasicRgb<T> tint)
{
    return {a.r * tint.r / 255, a.g * tint.g / 255, a.b * tint.b / 255};
}

template <typename T>
constexpr BasicRgb<T> Mix(BasicRgb<T> a, BasicRgb<T> b, std::type_identity_t<T> t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Premultiplied colour with coverage; a = 0 leaves the pixel below untouched.
template <typename T>
struct BasicRgba {
    T r = 0, g = 0, b = 0, a = 0;
};

template <typename T>
constexpr BasicRgba<T> Premul(BasicRgb<T> c, std::type_identity_t<T> a)
{
    return {c.r * a, c.g * a, c.b * a, a};
}

// Lays src over an opaque pixel.
template <typename T>
constexpr void Over(BasicRgb<T> &dst, const BasicRgba<T> &src)
{
    dst.r = src.r + dst.r * (1 - src.a);
    dst.g = src.g + dst.g * (1 - src.a);
    dst.b = src.b + dst.b * (1 - src.a);
}

inline int ToByte(double v) { return int(std::lround(std::clamp(v, 0.0, 255.0))); }

template <typename T>
QRgb ToQRgb(BasicRgb<T> c)
{
    return qRgb(ToByte(c.r), ToByte(c.g), ToByte(c.b));
}

} // namespace peg
