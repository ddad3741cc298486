// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>

// Marks a text for Qt's lupdate where it is only named, not yet shown.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace peg {

// Every text is written in Polish. The window hands in the player's language
// once, before anything is shown; without it the Polish original stands.
// Returns UTF-8.
using Translator = std::string (*)(const char *context, const char *source);
void SetTranslator(Translator translator);

// source in the player's language. The name is the one lupdate looks for.
std::string translate(const char *context, const char *source);

// pattern with %1 .. %9 replaced by args in one pass, so that an argument
// holding "%2" (a file name, say) stays as it is.
std::string Fill(const std::string &pattern, std::initializer_list<std::string> args);

} // namespace peg
