// SPDX-License-Identifier: MIT
#include "boardlook.h"

#include <QBuffer>
#include <QImageReader>

#include <cerrno>
#include <utility>

#include "gamefiles.h"
#include "itemreader.h"
#include "pngcorner.h"
#include "tilerenderer.h"

namespace peg {

QString ReadBoardLookName(const std::string &content)
{
    try {
        ItemReader reader(content);
        return DecodeFileText(reader.ReadValue().AsText());
    } catch (const ItemError &e) {
        throw BoardLookError(e.what());
    }
}

BoardLookFile ParseBoardLook(const std::string &content)
{
    try {
        ItemReader reader(content);
        BoardLookFile look;
        look.displayName = DecodeFileText(reader.ReadValue().AsText());
        look.aktual = reader.ReadValue().AsText();
        look.nieuzyt = reader.ReadValue().AsText();
        look.pelny = reader.ReadValue().AsText();
        look.pusty = reader.ReadText();
        return look;
    } catch (const ItemError &e) {
        throw BoardLookError(e.what() + std::string(" (plik wyglądu ma pięć pozycji: nazwę i cztery obrazki)"));
    }
}

namespace {

// Qt's own wording is English and names its internals; say it as a player would.
QString PictureErrorText(QImageReader::ImageReaderError error)
{
    switch (error) {
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("to nie jest obrazek w formacie, który gra umie odczytać");
    case QImageReader::InvalidDataError:
        return QStringLiteral("obrazek jest uszkodzony");
    case QImageReader::DeviceError:
        return QStringLiteral("błąd odczytu obrazka");
    default:
        return QStringLiteral("nie udało się odczytać obrazka");
    }
}

[[noreturn]] void Refuse(const char *role, const std::string &name, const QString &why)
{
    throw BoardLookError(QStringLiteral("nie można wczytać obrazka %1 %2: %3")
                             .arg(QString::fromUtf8(role), QuotedName(name), why)
                             .toStdString());
}

// side is the block a cell shows: 60, or 120 for the picture for screens above 100 %.
// With optional set, a missing file is no picture rather than a refusal.
QImage LoadPicture(const std::string &name, const char *role, int side, bool optional = false)
{
    if (name.empty())
        return QImage();  // an empty picture: the cell shows the holder's background
    std::string bytes;
    if (const FileError e = ReadWholeFile(name, MAX_PICTURE_FILE_BYTES, bytes)) {
        if (optional && e.code == ENOENT)
            return QImage();
        Refuse(role, name, QString::fromStdString(ReadFailureText(e)));
    }
    QByteArray data = QByteArray::fromStdString(bytes);
    bytes = std::string();
    const QRect cell(0, 0, side, side);
    if (QImage corner = ReadPngCorner(data, cell.size()); !corner.isNull())
        return corner;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);  // the content decides the format, not the name
    const QSize size = reader.size();
    const qint64 limitBytes = qint64(QImageReader::allocationLimit()) << 20;
    if (size.isValid() && limitBytes > 0 && qint64(size.width()) * size.height() * 4 > limitBytes)
        Refuse(role, name, QStringLiteral("obrazek jest zbyt duży (%1 × %2 pikseli)").arg(size.width()).arg(size.height()));
    // Only the cell-sized corner is ever shown; formats that can decode just
    // that part do, the others are cut before the next picture is read.
    if (size.isValid())
        reader.setClipRect(cell.intersected(QRect(QPoint(0, 0), size)));
    QImage image = reader.read();
    if (image.isNull())
        Refuse(role, name, PictureErrorText(reader.error()));
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
        {Tile::Nieuzyt, {&look.nieuzyt, "pola bez otworu"}},
        {Tile::Pusty, {&look.pusty, "pustego otworu"}},
        {Tile::Aktual, {&look.aktual, "wybranego piona"}},
        {Tile::Pelny, {&look.pelny, "piona"}},
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
