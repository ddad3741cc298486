// SPDX-License-Identifier: MIT
#include "helpwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <string>

#include "gamefiles.h"
#include "playerfiles.h"
#include "words.h"

namespace peg {

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QCoreApplication::translate("Words", HELP_TITLE));
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 620);
    // Escape closes it, as it does a dialog.
    auto *close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

void HelpWindow::showContents()
{
    // Read by its bare name, as the game's other files: a folder whose path
    // is not UTF-8 would not survive a trip through a file URL.
    std::string html;
    const std::string file = translate("Words", HELP_FILE);  // the page in the player's language
    const FileError error = ReadWholeFile(file, MAX_TEXT_FILE_BYTES, html);
    browser_->clearHistory();
    if (!error) {
        browser_->setHtml(QString::fromUtf8(html.data(), qsizetype(html.size())));
    } else {
        const auto escaped = [](const QString &text) { return text.toHtmlEscaped().toStdString(); };
        const std::string folder = FileText(WorkingFolder().value_or(translate("Words", GAME_FOLDER_GONE)));
        browser_->setHtml(QString::fromStdString(NoHelpPage(file, escaped(QString::fromStdString(folder)),
                                                            escaped(QString::fromStdString(ReadFailureText(error))))));
    }
    browser_->verticalScrollBar()->setValue(0);
    show();
    raise();
    activateWindow();
}

} // namespace peg
