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
class ProblemOracle;
struct Answer;

// The hint, on the key H: the peg of a move after which the problem's goal
// can still be reached is selected as a click would select it, and the
// keyboard cursor waits on its target. The central game asks the table at
// once; another problem asks the oracle, whose answer may come later, or
// be that it cannot tell. Where no such move is left, a short
// note says so and goes by itself. An action of the window in no menu; a
// text field takes the key as a letter, and no hint is given while blocked
// says so (a replay runs, a panel hides the board).
class HintAction : public QObject {
    Q_OBJECT
public:
    HintAction(QWidget *window, Game &game, BoardPicture *board, ProblemOracle *oracle, std::function<bool()> blocked);

    void hint();
    // A short note over the board's foot, read out, that goes by itself.
    void tell(const QString &text);
    // The note for an answer that gives no move from this position: lost,
    // over, or not known.
    void explain(std::uint64_t position, const Answer &answer);
    void positionChanged();  // after every move, taken back or not, and every new game

    // The note, once one was needed (null before), and what hides it.
    QLabel *note() const { return note_; }
    QTimer *noteTimer() const { return noteTimer_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(std::uint64_t position, const Answer &answer);

    QWidget *window_;
    Game &game_;
    BoardPicture *board_;
    ProblemOracle *oracle_;
    std::function<bool()> blocked_;
    HintCycle cycle_;
    bool repeat_ = false;  // the latest key the window met is a held key's repeat
    QLabel *note_ = nullptr;
    QTimer *noteTimer_ = nullptr;
};

} // namespace peg
