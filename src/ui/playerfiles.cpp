// SPDX-License-Identifier: MIT
#include "playerfiles.h"

#include <climits>
#include <unistd.h>

#include "gamefiles.h"
#include "movefile.h"
#include "words.h"

namespace peg {

QString ReadGameFile(const std::string &name, std::string &content)
{
    if (const FileError e = ReadWholeFile(name, MAX_TEXT_FILE_BYTES, content))
        return QString::fromStdString(CannotReadFileText(name, ReadFailureText(e)));
    return {};
}

QString ReadLookName(const std::string &name, QString &shown)
{
    std::string content;
    if (QString problem = ReadGameFile(name, content); !problem.isEmpty())
        return problem;
    try {
        shown = QString::fromStdString(ShownName(ReadBoardLookName(content)));
        return {};
    } catch (const BoardLookError &e) {
        return QString::fromStdString(NotALookFileText(name, e.what()));
    }
}

QString LoadLook(const std::string &name, BoardLookPictures &pictures, QString &shown)
{
    std::string content;
    if (QString problem = ReadGameFile(name, content); !problem.isEmpty())
        return problem;
    try {
        const BoardLookFile look = ParseBoardLook(content);
        pictures = LoadBoardLookPictures(look);
        shown = QString::fromStdString(ShownName(look.displayName));
        return {};
    } catch (const BoardLookError &e) {
        return QString::fromStdString(CannotApplyLookText(name, e.what()));
    }
}

QString SaveMoves(const QString &typed, const Game &game, const Problem &problem)
{
    if (typed.isEmpty())
        return QString::fromStdString(NoSaveNameText());
    const std::string name = typed.toStdString();  // as typed: no trimming, no extension added
    const bool earlier = IsRegularFile(name);
    const FileError e = WriteWholeFile(name, FormatMoveFile(game, problem));
    if (!e)
        return {};
    return QString::fromStdString(SaveFailedText(name, WriteFailureText(e), earlier));
}

std::optional<std::string> WorkingFolder()
{
    std::string path(PATH_MAX, '\0');
    if (!::getcwd(path.data(), path.size()))
        return std::nullopt;
    path.resize(path.find('\0'));
    return path;
}

QString NoPlayerFolderMessage()
{
    return QString::fromStdString(NoPlayerFolderText(WorkingFolder().value_or(translate("Words", GAME_FOLDER_GONE))));
}

} // namespace peg
