// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QMainWindow>

class QAction;
class QMenu;

namespace peg {

class Kelbor;

// The game's top-level window: a menu bar over the board window, which
// stays as designed, pixel for pixel. The menus only offer what the window
// already does, each item with its key; the keys work whether or not a
// menu was ever opened.
//
// Menus are filled when they open: start-up pays for their titles alone.
// "Gra" lists gameItems() in order, a separator where an item is a
// separator action. Another menu goes between "Gra" and "Pomoc" through
// addMenuBeforeHelp(), and another "Gra" item through insertGameItem(),
// say above the separator with insertGameItem(gameSeparator(), item).
class GameWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit GameWindow(QWidget *parent = nullptr);

    Kelbor *board() const { return board_; }
    QMenu *gameMenu() const { return gameMenu_; }
    QMenu *helpMenu() const { return helpMenu_; }

    // A new, empty menu just left of "Pomoc", for the caller to fill.
    QMenu *addMenuBeforeHelp(const QString &title);

    // "Gra": Nowa gra, Cofnij, Ponów, Podpowiedź, the separator, Zakończ.
    const QList<QAction *> &gameItems() const { return gameItems_; }
    QAction *gameSeparator() const { return gameSeparator_; }
    // item into "Gra" before before (at the end for nullptr), its key
    // working from now on.
    void insertGameItem(QAction *before, QAction *item);

private:
    QAction *item(const QString &text, const QKeySequence &key);
    void fillOnOpen(QMenu *menu, const QList<QAction *> *items);
    void about();

    Kelbor *board_;
    QMenu *gameMenu_;
    QMenu *helpMenu_;
    QAction *gameSeparator_;
    QList<QAction *> gameItems_;
    QList<QAction *> helpItems_;
};

} // namespace peg
