// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <optional>

namespace peg {

// A PNG's size and layout, from its first chunk; none where the data does
// not start as a PNG.
struct PngHeader {
    QSize size;
    bool interlaced = false;
};
std::optional<PngHeader> ReadPngHeader(const QByteArray &data);

// The rows above a block are decoded whole, each as wide as the picture:
// past this many pixels in them a PNG is not read. At worst (16-bit RGBA,
// every row Paeth-filtered) a pixel costs some 70 ns here, so this is
// about 70 ms, and libpng's rows take at most 20 bytes a pixel.
inline constexpr qint64 MAX_PNG_ROWS_PIXELS = qint64(1) << 20;
// How many pixels a block needs decoded from a plain PNG of that size.
qint64 PngRowsPixels(QSize size, QSize block);

// The top-left block of a PNG picture, decoding only the rows it needs:
// a 5600-pixel-high picture costs 60 rows, not 125 MB and most of a second.
// Sides past libpng's own limit of a million are read. A null image where
// the data is not a plain (non-interlaced) PNG, is damaged within those
// rows, or needs more than MAX_PNG_ROWS_PIXELS; the caller then lets Qt
// read it whole, or tells the player it is too large.
QImage ReadPngCorner(const QByteArray &data, QSize block);

} // namespace peg
