// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>

namespace peg {

// Makes Polish the default locale and installs Qt's own Polish strings
// (context menus, standard buttons, Qt's error texts) from qtbase_pl.qm in
// folder. Returns false, quietly, when the file is missing or unreadable:
// the game then shows Qt's English strings and goes on.
bool LoadQtPolish(QCoreApplication &app,
                  const QString &folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

} // namespace peg
