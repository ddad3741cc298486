// SPDX-License-Identifier: MIT
#include "hintaction.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

#include "boardpicture.h"
#include "heldkeys.h"
#include "problemoracle.h"
#include "readout.h"
#include "gamewords.h"

namespace peg {

namespace {

constexpr int NOTE_MS = 4000;  // long enough to read the longest note twice
constexpr int NOTE_MARGIN = 20;

// The note lies over the board's foot: a click on it only puts it away, and
// never reaches the cell beneath.
class Note : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        event->accept();
        hide();
    }
};

} // namespace

HintAction::HintAction(QWidget *window, Game &game, BoardPicture *board, ProblemOracle *oracle,
                       std::function<bool()> blocked)
    : QObject(window), window_(window), game_(game), board_(board), oracle_(oracle), blocked_(std::move(blocked))
{
    auto *action = new QAction(window);
    action->setObjectName(QStringLiteral("hint"));
    action->setShortcut(QKeySequence(Qt::Key_H));
    // One hint, and one read-out, for each press however long it is held:
    // Qt drops the repeats it marks, and the filter finds the rest.
    action->setAutoRepeat(false);
    window->addAction(action);
    connect(action, &QAction::triggered, this, [this] {
        if (!std::exchange(repeat_, false))
            hint();
    });
    WatchKeyRepeats();
    window->installEventFilter(this);
}

bool HintAction::eventFilter(QObject *watched, QEvent *event)
{
    // Every key the focus leaves to the window's shortcuts passes the window
    // as this, just before the shortcut acts.
    if (watched == window_ && event->type() == QEvent::ShortcutOverride)
        repeat_ = IsUnmarkedRepeat(*static_cast<QKeyEvent *>(event));
    return false;
}

void HintAction::hint()
{
    if (blocked_())
        return;
    if (&oracle_->problem() != &CentralProblem()) {
        const Grid position = GridOf(game_);
        oracle_->ask(position, [this, position](const Answer &answer) {
            // The position may have changed while a search ran.
            if (!blocked_() && GridOf(game_) == position)
                show(position, answer);
        });
        return;
    }
    const Position position = PositionOf(game_);
    if (const std::optional<Move> move = cycle_.Next(position, BuiltInWinTable())) {
        if (note_)
            note_->hide();
        game_.CellClicked(move->fromCol, move->fromRow);
        board_->placeCursor({move->toCol, move->toRow});
        ReadOut(board_, QString::fromStdString(HintText(*move)));
    } else if (AnyMoveLeft(position)) {
        tell(QString::fromStdString(NoWinningMoveText()));
    } else {
        tell(QString::fromStdString(GameOverText(game_.pegsLeft(), IsWon(position))));
    }
}

void HintAction::show(std::uint64_t position, const Answer &answer)
{
    if (const std::optional<Move> move = cycle_.Next(position, answer.winning)) {
        if (note_)
            note_->hide();
        game_.CellClicked(move->fromCol, move->fromRow);
        board_->placeCursor({move->toCol, move->toRow});
        ReadOut(board_, QString::fromStdString(HintText(*move)));
    } else {
        explain(position, answer);
    }
}

void HintAction::explain(std::uint64_t position, const Answer &answer)
{
    const Problem &problem = oracle_->problem();
    const bool centre = problem.goalHole >= 0;
    if (answer.verdict == Verdict::Unknown) {
        tell(QString::fromStdString(UnknownHintText()));
    } else if (answer.verdict == Verdict::Unreachable && AnyJumpLeft(problem.shape, position)) {
        tell(QString::fromStdString(NoWinningMoveText(centre)));
    } else {
        tell(QString::fromStdString(GameOverText(game_.pegsLeft(), IsGoal(problem, position), centre,
                                                 IsPerfect(problem, position))));
    }
}

void HintAction::tell(const QString &text)
{
    if (!note_) {
        // Over the foot of the board, where the eye already is; made only
        // when first needed, so a player who never asks never has it.
        note_ = new Note(window_);
        note_->setObjectName(QStringLiteral("hintNote"));
        note_->setWordWrap(true);
        note_->setAlignment(Qt::AlignCenter);
        note_->setMargin(6);
        note_->setStyleSheet(QStringLiteral("background: rgba(0, 0, 0, 200); color: white; border-radius: 4px;"));
        noteTimer_ = new QTimer(this);
        noteTimer_->setSingleShot(true);
        connect(noteTimer_, &QTimer::timeout, note_, &QWidget::hide);
    }
    note_->setText(text);
    note_->setAccessibleName(text);
    const QRect board = board_->geometry().adjusted(NOTE_MARGIN, NOTE_MARGIN, -NOTE_MARGIN, -NOTE_MARGIN);
    const int height = note_->heightForWidth(board.width());
    note_->setGeometry(board.left(), board.bottom() + 1 - height, board.width(), height);
    note_->show();
    note_->raise();
    noteTimer_->start(NOTE_MS);
    ReadOut(note_, text);
}

void HintAction::positionChanged()
{
    cycle_.Forget();
    if (note_)
        note_->hide();
}

} // namespace peg
