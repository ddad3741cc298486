// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace peg {

// The top-left block of a PNG picture, decoding only the rows it needs:
// a 5600-pixel-high picture costs 60 rows, not 125 MB and most of a second.
// A null image where the data is not a plain (non-interlaced) PNG or is
// damaged within those rows; the caller then lets Qt read it whole.
QImage ReadPngCorner(const QByteArray &data, QSize block);

} // namespace peg
