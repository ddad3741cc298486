#include "filetext.h"

#include <QFile>
#include <QFileInfo>

namespace peg {

QString FileErrorText(const QFileDevice &file)
{
    switch (file.error()) {
    case QFileDevice::OpenError:
        if (!QFileInfo::exists(file.fileName()))
            return QStringLiteral("plik nie istnieje");
        return QStringLiteral("nie można otworzyć pliku (%1)").arg(file.errorString());
    case QFileDevice::PermissionsError:
        return QStringLiteral("brak uprawnień");
    case QFileDevice::ReadError:
        return QStringLiteral("błąd odczytu (%1)").arg(file.errorString());
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        return QStringLiteral("błąd zapisu, może brak miejsca na dysku (%1)").arg(file.errorString());
    default:
        return file.errorString();
    }
}

bool ReadWholeFile(const QString &name, std::string &content, QString &why)
{
    QFile file(name);
    const QFileInfo info(name);
    if (info.isDir()) {
        why = QStringLiteral("to jest folder, nie plik");
        return false;
    }
    // A pipe or a device named like a game file would block the window
    // for good (or never end): only regular files are read.
    if (info.exists() && !info.isFile()) {
        why = QStringLiteral("to nie jest zwykły plik");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        why = FileErrorText(file);
        return false;
    }
    const QByteArray bytes = file.read(MAX_TEXT_FILE_BYTES + 1);
    if (file.error() != QFileDevice::NoError) {
        why = FileErrorText(file);
        return false;
    }
    if (bytes.size() > MAX_TEXT_FILE_BYTES) {
        why = QStringLiteral("plik jest zbyt duży (ponad %1 KiB)").arg(MAX_TEXT_FILE_BYTES / 1024);
        return false;
    }
    content.assign(bytes.constData(), std::size_t(bytes.size()));
    return true;
}

} // namespace peg
