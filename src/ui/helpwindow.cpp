// SPDX-License-Identifier: MIT
#include "helpwindow.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <unistd.h>

#include <string>

#include "gamefiles.h"
#include "showntext.h"

namespace peg {

namespace {

// The working folder for a message, decoded only to be shown.
QString ShownWorkingFolder()
{
    std::string path(4096, '\0');
    if (!::getcwd(path.data(), path.size()))
        return QStringLiteral("(folder gry już nie istnieje)");
    path.resize(path.find('\0'));
    return DecodeFileText(path);
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Pomoc – Kelb's Pegboard"));
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 620);
}

void HelpWindow::showContents()
{
    // Read by its bare name, as the game's other files: a folder whose path
    // is not UTF-8 would not survive a trip through a file URL.
    std::string html;
    const FileError error = ReadWholeFile(HELP_FILE, MAX_TEXT_FILE_BYTES, html);
    browser_->clearHistory();
    if (!error) {
        browser_->setHtml(QString::fromUtf8(html.data(), qsizetype(html.size())));
    } else {
        browser_->setHtml(QStringLiteral("<h2>Brak pliku pomocy</h2>"
                                         "<p>Nie można odczytać pliku <b>%1</b> w folderze gry:<br>%2<br>(%3)</p>"
                                         "<p>Plik pomocy powinien leżeć w folderze, z którego uruchomiono grę.</p>")
                              .arg(QString::fromLatin1(HELP_FILE), ShownWorkingFolder().toHtmlEscaped(),
                                   QString::fromStdString(ReadFailureText(error)).toHtmlEscaped()));
    }
    browser_->verticalScrollBar()->setValue(0);
    show();
    raise();
    activateWindow();
}

} // namespace peg
