// SPDX-License-Identifier: MIT
#include "gamewindow.h"

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>

#include "kelbor.h"
#include "lazyiconstyle.h"
#include "problemmenu.h"
#include "twips.h"

namespace peg {

namespace {

// The style goes in before QMainWindow's constructor asks for one.
QWidget *StyledFirst(QWidget *parent)
{
    LazyIconStyle::Install();
    return parent;
}

} // namespace

GameWindow::GameWindow(QWidget *parent)
    : QMainWindow(StyledFirst(parent)), board_(new Kelbor(this))
{
    setObjectName(QStringLiteral("GameWindow"));
    setWindowTitle(board_->windowTitle());
    setCentralWidget(board_);

    QMenuBar *bar = menuBar();
    bar->setNativeMenuBar(false);  // in the window, under the title, on every desktop
    bar->setFont(board_->font());  // the board window's 8-point face
    gameMenu_ = bar->addMenu(tr("&Gra"));
    helpMenu_ = bar->addMenu(tr("&Pomoc"));
    for (QMenu *menu : {gameMenu_, helpMenu_})
        menu->setFont(bar->font());

    const auto existing = [this](const char *name, const QString &text) {
        auto *action = board_->findChild<QAction *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (!text.isEmpty())
            action->setText(text);
        return action;
    };
    QAction *newGame = item(tr("&Nowa gra"), QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newGame, &QAction::triggered, board_, &Kelbor::BTNreset_Click);
    QAction *quit = item(tr("&Zakończ"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    gameSeparator_ = new QAction(this);
    gameSeparator_->setSeparator(true);
    gameItems_ = {newGame, existing("undo", tr("&Cofnij")), existing("redo", tr("&Ponów")),
                  existing("hint", tr("Po&dpowiedź")), gameSeparator_, quit};

    QAction *help = item(tr("&Pomoc"), QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, board_, &Kelbor::Pomoc_Click);
    QAction *about = item(tr("&O programie"), QKeySequence());
    connect(about, &QAction::triggered, this, &GameWindow::about);
    helpItems_ = {help, about};

    insertGameItem(gameSeparator_, existing("finish", {}));
    insertGameItem(gameSeparator_, existing("showWinnable", {}));
    fillOnOpen(gameMenu_, &gameItems_);
    fillOnOpen(helpMenu_, &helpItems_);

    QMenu *problems = addMenuBeforeHelp(tr("&Zadanie"));
    connect(problems, &QMenu::aboutToShow, this, [this, problems] {
        if (problems->isEmpty())
            FillProblemMenu(problems, board_);
    });
    connect(board_, &Kelbor::problemChanged, this, [this] { setWindowTitle(board_->windowTitle()); });

    // F10 opens the first menu, as on most desktops.
    QAction *f10 = item(QString(), QKeySequence(Qt::Key_F10));
    connect(f10, &QAction::triggered, this, [this] { menuBar()->setActiveAction(gameMenu_->menuAction()); });

    // The bar above, the board window below it as large as ever.
    setFixedSize(WINDOW_SIZE.width(), WINDOW_SIZE.height() + bar->heightForWidth(WINDOW_SIZE.width()));
}

QAction *GameWindow::item(const QString &text, const QKeySequence &key)
{
    auto *action = new QAction(text, this);
    action->setShortcut(key);
    addAction(action);  // the key works before the menu is filled
    return action;
}

void GameWindow::fillOnOpen(QMenu *menu, const QList<QAction *> *items)
{
    connect(menu, &QMenu::aboutToShow, this, [menu, items] {
        if (menu->actions() == *items)
            return;
        for (QAction *a : menu->actions())
            menu->removeAction(a);
        menu->addActions(*items);
    });
}

void GameWindow::insertGameItem(QAction *before, QAction *item)
{
    const qsizetype at = gameItems_.indexOf(before);
    gameItems_.insert(at < 0 ? gameItems_.size() : at, item);
    addAction(item);
}

QMenu *GameWindow::addMenuBeforeHelp(const QString &title)
{
    auto *menu = new QMenu(title, menuBar());
    menu->setFont(menuBar()->font());
    menuBar()->insertMenu(helpMenu_->menuAction(), menu);
    return menu;
}

void GameWindow::about()
{
    QMessageBox::about(this, tr("O programie"),
                       tr("<p><b>Kelb's Pegboard</b></p>"
                          "<p>Samotnik: gra dla jednej osoby na krzyżu z 33 dziurek "
                          "i na planszy francuskiej z 37, w której piony przeskakują jeden "
                          "drugi, aż zostanie jak najmniej.</p>"
                          "<p>Licencja MIT.</p>"));
}

} // namespace peg
