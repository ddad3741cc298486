// SPDX-License-Identifier: MIT
#include "pngcorner.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>

namespace peg {

namespace {

struct Source {
    const QByteArray *data;
    qsizetype pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length)
{
    auto *src = static_cast<Source *>(png_get_io_ptr(png));
    if (qsizetype(length) > src->data->size() - src->pos)
        png_error(png, "truncated");
    std::memcpy(out, src->data->constData() + src->pos, length);
    src->pos += qsizetype(length);
}

// Damage is reported by the null image; libpng must not print. An error
// handler that returned would let libpng print and leave on its own.
[[noreturn]] void QuietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void QuietWarning(png_structp, png_const_charp) {}

// Decodes the first rows into block (RGBA, already the block's size) and
// says how much of it the picture fills. Free of C++ objects with
// destructors, since libpng leaves through longjmp on damage.
bool DecodeCorner(png_structp png, png_infop info, QImage *block, int *width, int *height, png_bytep *row)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE)
        return false;  // the first rows of an interlaced picture need all of it
    const QSize size(int(png_get_image_width(png, info)), int(png_get_image_height(png, info)));
    if (PngRowsPixels(size, block->size()) > MAX_PNG_ROWS_PIXELS)
        return false;  // before libpng sets a row aside
    // Every kind of PNG becomes 8-bit RGBA, as Qt shows it.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    const int full = int(png_get_image_width(png, info));
    *width = std::min(block->width(), full);
    *height = std::min(block->height(), int(png_get_image_height(png, info)));
    *row = static_cast<png_bytep>(png_malloc(png, png_get_rowbytes(png, info)));
    for (int y = 0; y < *height; ++y) {
        png_read_row(png, *row, nullptr);
        std::memcpy(block->scanLine(y), *row, std::size_t(*width) * 4);
    }
    return true;
}

} // namespace

std::optional<PngHeader> ReadPngHeader(const QByteArray &data)
{
    // The signature, then the header chunk: its length, "IHDR", the width
    // and height (big-endian), bit depth, colour type, compression, filter
    // and interlace method.
    if (data.size() < 29 || png_sig_cmp(reinterpret_cast<png_const_bytep>(data.constData()), 0, 8) != 0 ||
        data.mid(12, 4) != "IHDR")
        return std::nullopt;
    const auto bytes = reinterpret_cast<png_const_bytep>(data.constData());
    const png_uint_32 width = png_get_uint_32(bytes + 16), height = png_get_uint_32(bytes + 20);
    if (width > PNG_UINT_31_MAX || height > PNG_UINT_31_MAX)
        return std::nullopt;
    return PngHeader{QSize(int(width), int(height)), bytes[28] != 0};
}

qint64 PngRowsPixels(QSize size, QSize block)
{
    return qint64(size.width()) * std::min(size.height(), block.height());
}

QImage ReadPngCorner(const QByteArray &data, QSize block)
{
    if (data.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(data.constData()), 0, 8) != 0)
        return QImage();
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    QImage corner(block, QImage::Format_RGBA8888);
    bool ok = info != nullptr && !corner.isNull();
    int width = 0, height = 0;
    png_bytep row = nullptr;
    if (ok) {
        Source src{&data, 0};
        png_set_read_fn(png, &src, ReadFromMemory);
        // The rows needed are bounded above, not each side.
        png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
        ok = DecodeCorner(png, info, &corner, &width, &height, &row);
    }
    if (row)
        png_free(png, row);
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    if (!ok || width <= 0 || height <= 0)
        return QImage();
    return corner.copy(0, 0, width, height).convertToFormat(QImage::Format_ARGB32);
}

} // namespace peg
