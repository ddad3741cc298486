#include "boardlook.h"

#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>

#include "itemreader.h"

namespace peg {

QString DecodeFileText(const std::string &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!utf8.hasError())
        return text;
    QStringDecoder cp1250("windows-1250");
    if (cp1250.isValid())
        return cp1250.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

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
        look.aktual = DecodeFileText(reader.ReadValue().AsText());
        look.nieuzyt = DecodeFileText(reader.ReadValue().AsText());
        look.pelny = DecodeFileText(reader.ReadValue().AsText());
        look.pusty = DecodeFileText(reader.ReadText());
        return look;
    } catch (const ItemError &e) {
        throw BoardLookError(e.what() + std::string(" (plik wyglądu ma pięć pozycji: nazwę i cztery obrazki)"));
    }
}

namespace {

QImage LoadPicture(const QString &name, const char *role)
{
    if (name.isEmpty())
        return QImage();  // an empty picture: the cell shows the holder's background
    const QFileInfo info(name);
    if (info.exists() && !info.isFile()) {
        // Reading a pipe or a device such as /dev/zero would never end.
        throw BoardLookError(QStringLiteral("obrazek %1 „%2” nie jest zwykłym plikiem")
                                 .arg(QString::fromUtf8(role), name)
                                 .toStdString());
    }
    QImageReader reader(name);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        throw BoardLookError(QStringLiteral("nie można wczytać obrazka %1 „%2”: %3")
                                 .arg(QString::fromUtf8(role), name, reader.errorString())
                                 .toStdString());
    }
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
