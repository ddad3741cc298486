// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

#include "translate.h"

namespace peg {

struct FileError;
struct Move;

// Everything the player reads about files, in messages and the help, in one
// place so that the wording stays one voice; what is said about the game
// itself (the board, the counter, hints) is in gamewords.h, and the captions
// of the controls live with the window's design table. Texts are UTF-8, in
// the player's language (translate.h); the constants below are the Polish
// originals, to be shown through translate("Words", ...).

// ---- Names and items from files and from the system

// How much of an item or a name a message quotes: enough to recognise it,
// short enough that no message outgrows the screen.
inline constexpr std::size_t MAX_QUOTED_CHARS = 40;

// Text from a file or the system as a person wrote it: UTF-8 where it is
// valid, else the Central European Windows code page older files were made in.
std::string FileText(const std::string &bytes);

// A name or an item, safe to show: decoded as FileText, each run of control
// characters or undecodable bytes shown as one U+FFFD, and cut after
// MAX_QUOTED_CHARS characters with "…".
std::string ShownName(const std::string &bytes);

// The same between Polish quotes, as every message puts a name.
std::string Quoted(const std::string &bytes);

// ---- Reading a text file item by item

// "wiersz 3, pozycja 5: " - where a fault lies.
std::string ItemPlace(int line, int item);
std::string FileEndsBeforeItemText(int line, int item);
std::string NotAWholeNumberText(const std::string &item);
std::string NumberOutOfRangeText(const std::string &item);

// ---- The move file

std::string NoHeaderText(const std::string &firstItem);
std::string PegsLeftOutOfRangeText(int pegsLeft, int startPegs);
std::string UnknownProblemText(const std::string &id);
// entry: 0..3, in file order (from column, from row, to column, to row).
std::string MoveEntryOutOfRangeText(int entry, int moveNumber, int value);
std::string TooFewMovesText(int pegsLeft, int movesNeeded, std::size_t movesFound);

// ---- Files read and written

std::string ReadFailureText(const FileError &error);
std::string WriteFailureText(const FileError &error);

// ---- Board looks

std::string LookFileShapeText();  // appended to a fault in a look file
enum class PictureFault { NotAPicture, Damaged, ReadError, Other };
std::string PictureFaultText(PictureFault fault);
std::string PictureTooLargeText(int width, int height, long long maxPixels, int maxSide);
// A PNG whose rows down to a cell's block, rows of them, hold more than maxPixels.
std::string PngTooLargeText(int width, int height, long long maxPixels, int rows);
// role: whose picture it is, as in "obrazek piona".
std::string PictureRefusedText(const char *role, const std::string &name, const std::string &why);
inline constexpr const char *ROLE_NIEUZYT = QT_TRANSLATE_NOOP("Words", "pola bez otworu");
inline constexpr const char *ROLE_PUSTY = QT_TRANSLATE_NOOP("Words", "pustego otworu");
inline constexpr const char *ROLE_AKTUAL = QT_TRANSLATE_NOOP("Words", "wybranego piona");
inline constexpr const char *ROLE_PELNY = QT_TRANSLATE_NOOP("Words", "piona");

// ---- The window's messages; each box has a title and one text

inline constexpr const char *SAVE_TITLE = QT_TRANSLATE_NOOP("Words", "Zapis ruchów");
inline constexpr const char *LOOK_TITLE = QT_TRANSLATE_NOOP("Words", "Wygląd planszy");
inline constexpr const char *REPLAY_TITLE = QT_TRANSLATE_NOOP("Words", "Odtwarzanie ruchów");
inline constexpr const char *FOLDER_TITLE = QT_TRANSLATE_NOOP("Words", "Folder gry");

std::string CannotReadFileText(const std::string &name, const std::string &why);
std::string NotALookFileText(const std::string &name, const std::string &why);
std::string CannotApplyLookText(const std::string &name, const std::string &why);
std::string NoSaveNameText();
// earlier: a file of that name was there before the save and is kept.
std::string SaveFailedText(const std::string &name, const std::string &why, bool earlier);
std::string NoPlayerFolderText(const std::string &folder);
std::string ReplayRefusedText(const std::string &name, const std::string &why);
std::string ReplayStoppedText(int moveNumber, const Move &move);

// ---- Help

inline constexpr const char *HELP_TITLE = QT_TRANSLATE_NOOP("Words", "Pomoc – Kelb's Pegboard");
inline constexpr const char *GAME_FOLDER_GONE = QT_TRANSLATE_NOOP("Words", "(folder gry już nie istnieje)");
// The page shown when the help file cannot be read; the parts come HTML-escaped.
std::string NoHelpPage(const std::string &file, const std::string &folder, const std::string &why);

} // namespace peg
