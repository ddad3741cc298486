// SPDX-License-Identifier: MIT
#include "replaycontrol.h"

#include <QTimer>

#include "movefile.h"
#include "replay.h"
#include "words.h"

namespace peg {

ReplayControl::ReplayControl(Game &game, QObject *parent) : QObject(parent), game_(game), timer_(new QTimer(this))
{
    timer_->setObjectName(QStringLiteral("TMOdt"));
    timer_->setTimerType(Qt::PreciseTimer);  // szybko is 1 ms a move
    timer_->setInterval(SREDNIO_MS);
    connect(timer_, &QTimer::timeout, this, &ReplayControl::tick);
}

bool ReplayControl::running() const { return timer_->isActive(); }

int ReplayControl::interval() const { return timer_->interval(); }

void ReplayControl::setInterval(int intervalMs) { timer_->setInterval(intervalMs); }

void ReplayControl::start(const std::string &name, const std::string &content)
{
    MoveFile moves;
    try {
        moves = ParseMoveFile(content);
    } catch (const MoveFileError &e) {
        emit refused(QString::fromStdString(ReplayRefusedText(name, e.what())));
        return;
    }
    if (setUp_)
        setUp_(*moves.problem);
    game_.NewGame();
    ApplyMoveFile(moves, game_);
    timer_->start();
    emit started();
}

void ReplayControl::startMoves(const std::vector<Move> &moves)
{
    game_.DropSelection();
    game_.LoadMovesFromHere(moves);
    timer_->start();
    emit started();
}

void ReplayControl::end()
{
    timer_->stop();
    emit ended();
}

void ReplayControl::tick()
{
    RefusedMove refused;
    switch (ReplayTick(game_, &refused)) {
    case TickResult::Continue:
        break;
    case TickResult::Finished:
        end();
        break;
    case TickResult::Refused: {
        end();
        emit stopped(QString::fromStdString(ReplayStoppedText(refused.number, refused.move)));
        break;
    }
    }
}

} // namespace peg
