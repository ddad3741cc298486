// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

namespace peg {

// Text from a file as a person wrote it: UTF-8 where it is valid, else the
// Central European Windows code page the game's older files were made in.
QString DecodeFileText(const std::string &bytes);

// Text safe to put in a message, a label or a tooltip: each run of control
// characters or undecodable bytes becomes one U+FFFD, and anything past
// MAX_QUOTED_CHARS characters is cut and ends with "…".
QString ShownText(const QString &text);

// A file or picture name, as bytes from the system or a file, for showing.
QString ShownName(const std::string &bytes);

// The same between Polish quotes, as messages put names.
QString QuotedName(const std::string &bytes);

} // namespace peg
