// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace peg {

// The game's files are reached by their names as the system gives them:
// bytes, relative to the working folder. A name that is not valid UTF-8
// (an old archive, a FAT stick) is decoded only to be shown.

// The program's own text files are a few hundred bytes; anything far larger
// was picked by mistake and is refused rather than read into memory.
inline constexpr std::size_t MAX_TEXT_FILE_BYTES = 1 << 20;
// Pictures for board looks: a few kilobytes usually, but photographs are fine.
inline constexpr std::size_t MAX_PICTURE_FILE_BYTES = 64 << 20;

// Why a file could not be read or written: the system's error number, or
// one of the codes below, and whether the folder was at fault.
struct FileError {
    int code = 0;            // 0: no error
    bool atFolder = false;   // the folder that holds the file, not the file
    std::string folder;      // that folder as named; "." is the game's folder
    explicit operator bool() const { return code != 0; }
};
inline constexpr int ERR_NOT_REGULAR = -1;  // a pipe, a device or a socket
inline constexpr int ERR_TOO_LARGE = -2;
inline constexpr int ERR_READ_ONLY = -3;    // the file is marked read-only
inline constexpr int ERR_NO_NAME = -4;
inline constexpr int ERR_RESERVED_NAME = -5;  // see SAVE_TEMP_PREFIX

// Names of the readable regular files of the working folder that end with
// suffix (ASCII, any case), hidden files left out; in no particular order.
std::vector<std::string> ListFiles(const std::string &suffix);

// Reads a whole regular file and closes it at once; a pipe or a device is
// refused without waiting on it.
FileError ReadWholeFile(const std::string &name, std::size_t limit, std::string &content);

// The first bytes of a regular file, at most limit of them, checked as
// ReadWholeFile checks: a picture's header, read before all of it.
FileError ReadFileStart(const std::string &name, std::size_t limit, std::string &content);

// Writes bytes as the whole new content of the file. A new file is written
// beside the old one and renamed over it, so the old one stays whole until
// the new one is complete on disk. Where the folder takes no new file but
// the file itself may be written, the content is replaced in place, once
// room for it is reserved; a failure then puts the old content back. A name
// whose last part begins with SAVE_TEMP_PREFIX is refused.
FileError WriteWholeFile(const std::string &name, const std::string &bytes);

// Whether name is a regular file now: a failed save then says the earlier
// one is untouched, and only then.
bool IsRegularFile(const std::string &name);

// A save's new file is named this and six random letters or digits. A save
// cut short (the program killed mid-write) leaves it behind; at start-up
// those of the working folder older than a day are removed (younger ones may
// belong to a save running in another window). So that none of them can be
// a player's file, no save is made under a name that begins so.
inline constexpr char SAVE_TEMP_PREFIX[] = ".kelb-zapis-";
inline constexpr long SAVE_LEFTOVER_AGE_S = 24 * 60 * 60;
void RemoveSaveLeftovers();

} // namespace peg
