// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "problems.h"

class QTimer;

namespace peg {

class Game;
struct Move;

// A replay: a move file checked whole, then its moves played one a tick,
// through the same clicks as the mouse, at one of three speeds.
class ReplayControl : public QObject {
    Q_OBJECT
public:
    static constexpr int SZYBKO_MS = 1;
    static constexpr int SREDNIO_MS = 550;
    static constexpr int WOLNO_MS = 1200;

    ReplayControl(Game &game, QObject *parent);

    bool running() const;
    int interval() const;
    void setInterval(int intervalMs);
    QTimer *timer() const { return timer_; }

    // Starts the replay of a move file's content. A file that cannot be
    // replayed as a whole is refused before the game is touched.
    void start(const std::string &name, const std::string &content);
    // Plays moves on from the position as it stands, as a replay.
    void startMoves(const std::vector<Move> &moves);
    // Called with a file's problem before its game starts: the window
    // sets that problem up.
    void onProblem(std::function<void(const Problem &)> setUp) { setUp_ = std::move(setUp); }
    // Plays the next move, or ends the replay.
    void tick();

signals:
    void started();
    void ended();
    void refused(const QString &why);  // the file, before anything moved
    void stopped(const QString &why);  // a recorded move that cannot be made, after ended()

private:
    void end();

    Game &game_;
    QTimer *timer_;
    std::function<void(const Problem &)> setUp_;
};

} // namespace peg
