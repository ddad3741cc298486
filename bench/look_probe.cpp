// SPDX-License-Identifier: MIT
// Applies a board look naming one picture four times (with its @2x
// companion, where one lies beside it) and prints the time it took, the
// growth of peak resident memory, and whether the look was taken.
#include <QCoreApplication>
#include <QElapsedTimer>

#include <sys/resource.h>

#include <cstdio>

#include "boardlook.h"

namespace {

long PeakKiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: look_probe PICTURE\n");
        return 2;
    }
    peg::BoardLookFile look;
    look.aktual = look.nieuzyt = look.pelny = look.pusty = argv[1];
    const long before = PeakKiB();
    QElapsedTimer clock;
    clock.start();
    const char *outcome = "applied";
    try {
        peg::LoadBoardLookPictures(look);
    } catch (const peg::BoardLookError &) {
        outcome = "refused";
    }
    std::printf("%.1f %ld %s\n", double(clock.nsecsElapsed()) / 1e6, (PeakKiB() - before) / 1024, outcome);
    return 0;
}
