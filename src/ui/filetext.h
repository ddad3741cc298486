#pragma once

#include <QFileDevice>
#include <QString>

#include <string>

namespace peg {

// The program's own files are a few hundred bytes; anything far larger was
// picked by mistake and is refused rather than read into memory.
inline constexpr qint64 MAX_TEXT_FILE_BYTES = 1 << 20;

// Reads a whole text file and closes it at once. On failure returns false
// and says why, in Polish.
bool ReadWholeFile(const QString &name, std::string &content, QString &why);

// What went wrong with a file, in Polish.
QString FileErrorText(const QFileDevice &file);

} // namespace peg
