// SPDX-License-Identifier: MIT
// How long the window stops answering while it is asked about problems
// whose answers take time. A 5 ms timer notes the longest gap between its
// ticks while, on each problem, the line above the board is on, random
// moves are played one every 20 ms with a hint asked after each, and "Dokończ
// grę" is asked at the start; problems are switched while their knowledge
// or a proof is still being made. Prints
//   stall <longest gap ms> <moves> <hints>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <random>

#include "hintaction.h"
#include "kelbor.h"
#include "oracle.h"

using namespace peg;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Kelbor window;
    window.show();

    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longest = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
    });

    const char *ids[] = {"romb", "francuska-4-3", "angielska-3-1", "piramida", "francuska-1-5", "centralna",
                         "angielska-4-4", "strzala", "francuska-3-4"};
    std::mt19937 random(5);
    int moves = 0, hints = 0;
    const auto wait = [&](int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            app.processEvents(QEventLoop::AllEvents, 5);
    };
    QTimer::singleShot(0, [&] {
        window.setShowWinnable(true);
        last = clock.elapsed();
        ticker.start(5);
        for (int round = 0; round < 2; ++round)
            for (const char *id : ids) {
                const Problem &problem = *FindProblem(id);
                window.chooseProblem(problem);
                if (round == 1)
                    window.FinishGame();
                for (int step = 0; step < 40; ++step) {
                    std::vector<Move> legal;
                    for (const GridJump &j : Board::Of(problem.shape).jumps())
                        if (CanJump(GridOf(window.game()), j))
                            legal.push_back(GridMove(j));
                    if (legal.empty() || window.replayRunning())
                        break;
                    const Move m = legal[random() % legal.size()];
                    window.game().CellClicked(m.fromCol, m.fromRow);
                    window.game().CellClicked(m.toCol, m.toRow);
                    ++moves;
                    window.hints()->hint();
                    ++hints;
                    wait(20);
                }
                wait(round == 0 ? 30 : 300);
            }
        std::printf("stall %lld %d %d\n", static_cast<long long>(longest), moves, hints);
        app.quit();
    });
    return app.exec();
}
