// SPDX-License-Identifier: MIT
#include "boardlook.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

#include "gamefiles.h"
#include "itemreader.h"
#include "pngcorner.h"
#include "tilerenderer.h"
#include "words.h"

namespace peg {

std::string ReadBoardLookName(const std::string &content)
{
    try {
        ItemReader reader(content);
        return reader.ReadValue().AsText();
    } catch (const ItemError &e) {
        throw BoardLookError(e.what());
    }
}

BoardLookFile ParseBoardLook(const std::string &content)
{
    try {
        ItemReader reader(content);
        BoardLookFile look;
        look.displayName = reader.ReadValue().AsText();
        look.aktual = reader.ReadValue().AsText();
        look.nieuzyt = reader.ReadValue().AsText();
        look.pelny = reader.ReadValue().AsText();
        look.pusty = reader.ReadText();
        return look;
    } catch (const ItemError &e) {
        throw BoardLookError(e.what() + LookFileShapeText());
    }
}

namespace {

// libpng's default limit, which Qt's PNG reader keeps.
constexpr int QT_PNG_MAX_SIDE = 1000000;

// Qt's own wording is English and names its internals; say it as a player would.
PictureFault Fault(QImageReader::ImageReaderError error)
{
    switch (error) {
    case QImageReader::UnsupportedFormatError: return PictureFault::NotAPicture;
    case QImageReader::InvalidDataError: return PictureFault::Damaged;
    case QImageReader::DeviceError: return PictureFault::ReadError;
    default: return PictureFault::Other;
    }
}

[[noreturn]] void Refuse(const char *role, const std::string &name, const std::string &why)
{
    throw BoardLookError(PictureRefusedText(role, name, why));
}

// A JPEG whose frame is sequential (baseline or extended): Qt's reader then
// decodes the rows down to the corner and no more. A progressive or other
// multi-scan JPEG is held whole in memory before any row comes out.
bool IsSequentialJpeg(const QByteArray &data)
{
    const auto at = [&](qsizetype i) { return i < data.size() ? int(quint8(data[i])) : -1; };
    if (at(0) != 0xFF || at(1) != 0xD8)
        return false;
    for (qsizetype i = 2; at(i) == 0xFF;) {
        const int marker = at(i + 1);
        if (marker == 0xFF) {  // a fill byte
            ++i;
            continue;
        }
        if (marker == 0xC0 || marker == 0xC1)
            return true;
        // Any other frame start, or the scan or the end before a frame.
        if ((marker >= 0xC2 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) ||
            marker == 0xDA || marker == 0xD9 || marker < 0)
            return false;
        i += 2 + (at(i + 2) << 8 | at(i + 3));
    }
    return false;
}

// Says whether the reader can cut the picture while decoding it; refuses a
// picture it would have to decode whole when that would cost too much. A
// size the data does not give yet (a TIFF's directory may lie at its end)
// passes here.
bool CutWhileDecoding(QImageReader &reader, const QByteArray &data, const char *role, const std::string &name)
{
    const bool cuts =
        reader.supportsOption(QImageIOHandler::ClipRect) && (reader.format() != "jpeg" || IsSequentialJpeg(data));
    const QSize size = reader.size();
    if (!cuts && size.isValid() && qint64(size.width()) * size.height() > MAX_WHOLE_DECODE_PIXELS)
        Refuse(role, name,
               PictureTooLargeText(size.width(), size.height(), MAX_WHOLE_DECODE_PIXELS, MAX_WHOLE_DECODE_SIDE));
    return cuts;
}

// side is the block a cell shows: 60, or 120 for the picture for screens above 100 %.
// With optional set, a missing file is no picture rather than a refusal.
QImage LoadPicture(const std::string &name, const char *role, int side, bool optional = false)
{
    if (name.empty())
        return QImage();  // an empty picture: the cell shows the holder's background
    // The start first: a picture too large to decode whole is refused before
    // the rest of a large file is read. PNG has its own reader of the corner.
    std::string bytes;
    FileError e = ReadFileStart(name, PICTURE_HEAD_BYTES, bytes);
    if (!e && bytes.size() == PICTURE_HEAD_BYTES) {
        QByteArray head = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
        if (!head.startsWith("\x89PNG")) {
            QBuffer buffer(&head);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer);
            CutWhileDecoding(reader, head, role, name);
        }
        e = ReadWholeFile(name, MAX_PICTURE_FILE_BYTES, bytes);
    }
    if (e) {
        if (optional && e.code == ENOENT)
            return QImage();
        Refuse(role, name, ReadFailureText(e));
    }
    QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));  // no copy
    const QRect cell(0, 0, side, side);
    if (const std::optional<PngHeader> png = ReadPngHeader(data)) {
        // Told from the header: past a million pixels a side Qt's reader,
        // to which an interlaced picture goes, takes it for damaged.
        const QSize size = png->size;
        if (png->interlaced && (qint64(size.width()) * size.height() > MAX_WHOLE_DECODE_PIXELS ||
                                std::max(size.width(), size.height()) > QT_PNG_MAX_SIDE))
            Refuse(role, name,
                   PictureTooLargeText(size.width(), size.height(), MAX_WHOLE_DECODE_PIXELS, MAX_WHOLE_DECODE_SIDE));
        if (!png->interlaced && PngRowsPixels(size, cell.size()) > MAX_PNG_ROWS_PIXELS)
            Refuse(role, name,
                   PngTooLargeText(size.width(), size.height(), MAX_PNG_ROWS_PIXELS, std::min(size.height(), side)));
        if (QImage corner = ReadPngCorner(data, cell.size()); !corner.isNull())
            return corner;
    }
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);  // the content decides the format, not the name
    // Only the cell-sized corner is ever shown; formats that can decode just
    // that part do, the others are cut before the next picture is read.
    const QSize size = reader.size();
    if (CutWhileDecoding(reader, data, role, name) && size.isValid())
        reader.setClipRect(cell.intersected(QRect(QPoint(0, 0), size)));
    // Where the data gave no size, Qt's own limit keeps the decode bounded.
    const int allocationLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(int(MAX_WHOLE_DECODE_PIXELS * 4 >> 20));
    QImage image = reader.read();
    QImageReader::setAllocationLimit(allocationLimit);
    if (image.isNull())
        Refuse(role, name, PictureFaultText(Fault(reader.error())));
    if (image.width() > side || image.height() > side)
        image = image.copy(cell.intersected(image.rect()));
    return image;
}

} // namespace

std::string TwiceName(const std::string &name)
{
    if (name.empty())
        return name;
    const std::size_t slash = name.rfind('/');
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == slash + 1)
        return name + "@2x";
    return name.substr(0, dot) + "@2x" + name.substr(dot);
}

BoardLookPictures LoadBoardLookPictures(const BoardLookFile &look)
{
    BoardLookPictures p;
    const std::pair<Tile, std::pair<const std::string *, const char *>> pictures[] = {
        {Tile::Nieuzyt, {&look.nieuzyt, ROLE_NIEUZYT}},
        {Tile::Pusty, {&look.pusty, ROLE_PUSTY}},
        {Tile::Aktual, {&look.aktual, ROLE_AKTUAL}},
        {Tile::Pelny, {&look.pelny, ROLE_PELNY}},
    };
    for (const auto &[tile, named] : pictures) {
        const auto &[name, role] = named;
        p.byTile[std::size_t(tile)] = LoadPicture(*name, role, TILE_PX);
        // Beside name.png, name@2x.png is the same picture for screens above 100 %.
        p.twice[std::size_t(tile)] = LoadPicture(TwiceName(*name), role, 2 * TILE_PX, true);
    }
    return p;
}

} // namespace peg
