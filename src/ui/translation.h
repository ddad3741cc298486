// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QStringList>

namespace peg {

enum class Language { Polish, English };

// The game speaks Polish, its own, and English: English when the first of
// the player's languages (QLocale::uiLanguages(), most wanted first) that
// the game has is English; Polish otherwise, for any other language too.
Language PreferredLanguage(const QStringList &uiLanguages);

// Makes Polish the default locale and installs Qt's own Polish strings
// (context menus, standard buttons, Qt's error texts) from qtbase_pl.qm in
// folder. Returns false, quietly, when the file is missing or unreadable:
// the game then shows Qt's English strings and goes on.
bool LoadQtPolish(QCoreApplication &app,
                  const QString &folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

// Sets the game up in language: the game's English texts built into the
// program and the texts of its rules (translate.h) through them, or Qt's own
// Polish strings. Returns false when a translation could not be installed.
bool LoadLanguage(QCoreApplication &app, Language language);

} // namespace peg
