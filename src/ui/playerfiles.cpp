// SPDX-License-Identifier: MIT
#include "playerfiles.h"

#include <climits>
#include <unistd.h>

#include "gamefiles.h"
#include "movefile.h"
#include "showntext.h"

namespace peg {

QString ReadGameFile(const std::string &name, std::string &content)
{
    if (const FileError e = ReadWholeFile(name, MAX_TEXT_FILE_BYTES, content))
        return QStringLiteral("Nie można odczytać pliku %1: %2.")
            .arg(QuotedName(name), QString::fromStdString(ReadFailureText(e)));
    return {};
}

QString ReadLookName(const std::string &name, QString &shown)
{
    std::string content;
    if (QString problem = ReadGameFile(name, content); !problem.isEmpty())
        return problem;
    try {
        shown = ShownText(ReadBoardLookName(content));
        return {};
    } catch (const BoardLookError &e) {
        return QStringLiteral("Plik %1 nie jest plikiem wyglądu planszy.\n%2")
            .arg(QuotedName(name), QString::fromStdString(e.what()));
    }
}

QString LoadLook(const std::string &name, BoardLookPictures &pictures)
{
    std::string content;
    if (QString problem = ReadGameFile(name, content); !problem.isEmpty())
        return problem;
    try {
        pictures = LoadBoardLookPictures(ParseBoardLook(content));
        return {};
    } catch (const BoardLookError &e) {
        return QStringLiteral("Nie można zastosować wyglądu z pliku %1.\n%2")
            .arg(QuotedName(name), QString::fromStdString(e.what()));
    }
}

QString SaveMoves(const QString &typed, const Game &game)
{
    if (typed.isEmpty())
        return QStringLiteral("Podaj nazwę pliku, do którego mają trafić ruchy.");
    const std::string name = typed.toStdString();  // as typed: no trimming, no extension added
    const bool earlier = IsRegularFile(name);
    const FileError e = WriteWholeFile(name, FormatMoveFile(game));
    if (!e)
        return {};
    QString text = QStringLiteral("Nie zapisano ruchów do pliku %1: %2.")
                       .arg(QuotedName(name), QString::fromStdString(WriteFailureText(e)));
    if (earlier)
        text += QStringLiteral("\nWcześniejszy plik o tej nazwie jest nietknięty.");
    return text;
}

QString NoPlayerFolderText()
{
    std::string folder(PATH_MAX, '\0');
    folder = ::getcwd(folder.data(), folder.size()) ? folder.c_str() : ".";
    return QStringLiteral("Nie udało się przygotować folderu gracza w katalogu domowym. Gra działa w folderze %1, "
                          "który nie jest miejscem na trwałe zapisy: zapisane tu ruchy mogą zniknąć albo się nie "
                          "zapisać. Aby je zachować, podaj przy zapisie pełną ścieżkę do własnego folderu.")
        .arg(QuotedName(folder));
}

} // namespace peg
