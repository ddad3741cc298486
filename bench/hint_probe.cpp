// SPDX-License-Identifier: MIT
// What hints cost. The game starts as a player starts it; once its window
// is on screen the first H is timed (the table read and decoded, the peg
// selected and repainted) with the memory it took; then a hint is timed at
// every position of 10,000 random games. The median is of the first run at
// each position, as a player meets it; the maximum is of the least of three
// runs, so that a moment the machine spends elsewhere is not taken for the
// hint's own. Prints
//   first <ms> <table read before H: 0 or 1> <resident memory growth KiB>
//   hint <median us> <max us> <positions>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "hintaction.h"
#include "hints.h"
#include "gamewindow.h"
#include "kelbor.h"
#include "resident.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    peg::GameWindow top;
    peg::Kelbor &window = *top.board();
    top.show();
    if (!QTest::qWaitForWindowExposed(&top))
        return 1;
    QTest::qWait(50);
    const bool readBefore = peg::BuiltInWinTableDecoded();
    const long before = ResidentKiB();
    QElapsedTimer first;
    first.start();
    window.hints()->hint();
    const double firstMs = first.nsecsElapsed() / 1e6;
    if (!window.game().hasSelection())
        return 1;
    std::printf("first %.1f %d %ld\n", firstMs, readBefore ? 1 : 0, ResidentKiB() - before);

    const peg::WinTable &table = peg::BuiltInWinTable();
    std::mt19937 random(1);
    std::vector<double> firsts, leasts;
    for (int game = 0; game < 10000; ++game) {
        for (peg::Position p = peg::START_POSITION; peg::AnyMoveLeft(p);) {
            double least = 1e9;
            for (int run = 0; run < 3; ++run) {
                const auto t0 = std::chrono::steady_clock::now();
                peg::HintCycle().Next(p, table);
                const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
                if (run == 0)
                    firsts.push_back(us);
                least = std::min(least, us);
            }
            leasts.push_back(least);
            std::vector<peg::Position> next;
            for (const peg::Jump &j : peg::Jumps())
                if (peg::CanJump(p, j))
                    next.push_back(peg::Jumped(p, j));
            p = next[random() % next.size()];
        }
    }
    std::sort(firsts.begin(), firsts.end());
    std::printf("hint %.2f %.1f %zu\n", firsts[firsts.size() / 2], *std::max_element(leasts.begin(), leasts.end()),
                firsts.size());
    return 0;
}
