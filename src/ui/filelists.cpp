// SPDX-License-Identifier: MIT
#include "filelists.h"

#include <QListWidget>

#include <algorithm>

#include "gamefiles.h"
#include "words.h"

namespace peg {

FileEntries ListedFiles(const char *suffix)
{
    // Names stay the bytes the system gave; the list shows them decoded.
    FileEntries entries;
    for (const std::string &name : ListFiles(suffix))
        entries.append({QString::fromStdString(ShownName(name)), QByteArray::fromStdString(name)});
    std::sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) {
        const int byText = QString::compare(a.first, b.first, Qt::CaseInsensitive);
        return byText != 0 ? byText < 0 : a.second < b.second;
    });
    return entries;
}

void ShowFiles(QListWidget *list, const FileEntries &entries)
{
    list->clear();
    for (const auto &[shown, bytes] : entries) {
        auto *item = new QListWidgetItem(shown, list);
        item->setData(Qt::UserRole, bytes);
    }
}

std::string ChosenFile(const QListWidget *list)
{
    const QListWidgetItem *chosen = list->currentItem();
    return chosen ? chosen->data(Qt::UserRole).toByteArray().toStdString() : std::string();
}

} // namespace peg
