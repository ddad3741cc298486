// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <string>
#include <utility>

class QListWidget;

namespace peg {

// Files of the game's folder as a list shows them: each name as the player
// reads it, with the bytes the system gave, by which it is opened.
using FileEntries = QList<std::pair<QString, QByteArray>>;

// The readable files of the game's folder that end with suffix, in the
// order a player looks for them: by their shown names, case aside.
FileEntries ListedFiles(const char *suffix);
void ShowFiles(QListWidget *list, const FileEntries &entries);
// The bytes of the name chosen in the list; empty when none is.
std::string ChosenFile(const QListWidget *list);

} // namespace peg
