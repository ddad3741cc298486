// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace peg {

class Game;

// Taking a move back and making it again, as actions of the window: in no
// menu, so only their keys show them, and the same keys on every desktop,
// whatever its own redo key is. Each is enabled only when there is a move
// for it and no replay runs.
class MoveActions : public QObject {
    Q_OBJECT
public:
    MoveActions(QWidget *window, Game &game, std::function<bool()> replayRunning);

    void undo();
    void redo();
    void update();  // after anything that may change what they can do

private:
    Game &game_;
    std::function<bool()> replayRunning_;
    QAction *undo_;
    QAction *redo_;
};

} // namespace peg
