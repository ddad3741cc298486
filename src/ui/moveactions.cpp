// SPDX-License-Identifier: MIT
#include "moveactions.h"

#include <QAction>
#include <QWidget>

#include "game.h"

namespace peg {

namespace {

QAction *Action(QWidget *window, const char *name, const QList<QKeySequence> &keys)
{
    auto *a = new QAction(window);
    a->setObjectName(QLatin1String(name));
    a->setShortcuts(keys);
    a->setEnabled(false);
    window->addAction(a);
    return a;
}

} // namespace

MoveActions::MoveActions(QWidget *window, Game &game, std::function<bool()> replayRunning)
    : QObject(window), game_(game), replayRunning_(std::move(replayRunning)),
      undo_(Action(window, "undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)})),
      redo_(Action(window, "redo",
                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}))
{
    connect(undo_, &QAction::triggered, this, &MoveActions::undo);
    connect(redo_, &QAction::triggered, this, &MoveActions::redo);
}

void MoveActions::undo()
{
    if (!replayRunning_())
        game_.Undo();
    update();
}

void MoveActions::redo()
{
    if (!replayRunning_())
        game_.Redo();
    update();  // the move made again ended the list for a moment
}

void MoveActions::update()
{
    undo_->setEnabled(!replayRunning_() && game_.CanUndo());
    redo_->setEnabled(!replayRunning_() && game_.CanRedo());
}

} // namespace peg
