#include "helpwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace peg {

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
    const QFileInfo file(QDir::current().filePath(QString::fromLatin1(HELP_FILE)));
    browser_->clearHistory();
    if (file.isFile() && file.isReadable()) {
        // Setting the same source again would not reread an edited file.
        browser_->setSource(QUrl());
        browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    } else {
        browser_->setHtml(QStringLiteral("<h2>Brak pliku pomocy</h2>"
                                         "<p>Nie znaleziono pliku <b>%1</b> w folderze gry:<br>%2</p>"
                                         "<p>Plik pomocy powinien leżeć w folderze, z którego uruchomiono grę.</p>")
                              .arg(QString::fromLatin1(HELP_FILE), file.absolutePath().toHtmlEscaped()));
    }
    browser_->verticalScrollBar()->setValue(0);
    show();
    raise();
    activateWindow();
}

} // namespace peg
