// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

#include "hints.h"

class QLabel;
class QTimer;
class QWidget;

namespace peg {

class BoardPicture;

// The hint, on the key H: the peg of a move after which one peg can still be
// left in the centre is selected as a click would select it, and the
// keyboard cursor waits on its target. Where no such move is left, a short
// note says so and goes by itself. An action of the window in no menu; a
// text field takes the key as a letter, and no hint is given while blocked
// says so (a replay runs, a panel hides the board).
class HintAction : public QObject {
    Q_OBJECT
public:
    HintAction(QWidget *window, Game &game, BoardPicture *board, std::function<bool()> blocked);

    void hint();
    void positionChanged();  // after every move, taken back or not, and every new game

    // The note, once one was needed (null before), and what hides it.
    QLabel *note() const { return note_; }
    QTimer *noteTimer() const { return noteTimer_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tell(const QString &text);

    QWidget *window_;
    Game &game_;
    BoardPicture *board_;
    std::function<bool()> blocked_;
    HintCycle cycle_;
    bool repeat_ = false;  // the latest key the window met is a held key's repeat
    QLabel *note_ = nullptr;
    QTimer *noteTimer_ = nullptr;
};

} // namespace peg
