// SPDX-License-Identifier: MIT
#include "boardlook.h"

#include <QBuffer>
#include <QImageReader>

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

QImage LoadPicture(const std::string &name, const char *role)
{
    if (name.empty())
        return QImage();  // an empty picture: the cell shows the holder's background
    std::string bytes;
    if (const FileError e = ReadWholeFile(name, MAX_PICTURE_FILE_BYTES, bytes))
        Refuse(role, name, QString::fromStdString(ReadFailureText(e)));
    QByteArray data = QByteArray::fromStdString(bytes);
    bytes = std::string();
    const QRect cell(0, 0, TILE_PX, TILE_PX);
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
    if (image.width() > TILE_PX || image.height() > TILE_PX)
        image = image.copy(cell.intersected(image.rect()));
    return image;
}

} // namespace

BoardLookPictures LoadBoardLookPictures(const BoardLookFile &look)
{
    BoardLookPictures p;
    p.byTile[std::size_t(Tile::Nieuzyt)] = LoadPicture(look.nieuzyt, "pola bez otworu");
    p.byTile[std::size_t(Tile::Pusty)] = LoadPicture(look.pusty, "pustego otworu");
    p.byTile[std::size_t(Tile::Aktual)] = LoadPicture(look.aktual, "wybranego piona");
    p.byTile[std::size_t(Tile::Pelny)] = LoadPicture(look.pelny, "piona");
    return p;
}

} // namespace peg
