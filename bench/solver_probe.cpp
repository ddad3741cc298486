// SPDX-License-Identifier: MIT
// The solver's rows of bench/run.sh, one tab-separated row (measure, result,
// target) a line. Argument: how many random games each row plays (1000).
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "solver.h"

using namespace peg;

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

long PeakKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

// The positions of a random game, start to end.
std::vector<Grid> RandomGame(const Problem &p, std::mt19937 &random)
{
    std::vector<Grid> game{p.start};
    for (;;) {
        std::vector<const GridJump *> moves;
        for (const GridJump &j : Board::Of(p.shape).jumps())
            if (CanJump(game.back(), j))
                moves.push_back(&j);
        if (moves.empty())
            return game;
        game.push_back(Jumped(game.back(), *moves[random() % moves.size()]));
    }
}

// Each figure built in a child of its own, so that its peak memory is its own.
void Figures()
{
    for (const Problem &p : Problems()) {
        if (p.emptyHole >= 0)
            continue;
        int out[2];
        if (pipe(out) != 0)
            return;
        if (fork() == 0) {
            const long before = PeakKiB();
            const auto t0 = Clock::now();
            const auto k = Knowledge::Build(p);
            const double ms = Ms(Clock::now() - t0);
            dprintf(out[1], "knowledge of \"%s\" (%zu positions up to symmetry): build time, peak memory\t%.1f ms, %.1f MB\t<= 2000 ms, <= 100 MB\n",
                    p.id.c_str(), k->Count(), ms, double(PeakKiB() - before) / 1024);
            _exit(0);
        }
        close(out[1]);
        char buf[512];
        for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;)
            fwrite(buf, 1, std::size_t(n), stdout);
        close(out[0]);
        wait(nullptr);
    }
}

void FigureHints(int games)
{
    std::vector<std::pair<const Problem *, Knowledge>> figures;
    for (const Problem &p : Problems())
        if (p.emptyHole < 0)
            figures.emplace_back(&p, *Knowledge::Build(p));
    std::mt19937 random(1);
    std::vector<double> first, least;
    std::size_t found = 0;
    for (int g = 0; g < games; ++g) {
        const auto &[problem, knowledge] = figures[std::size_t(g) % figures.size()];
        for (const Grid p : RandomGame(*problem, random)) {
            double best = 1e9;
            for (int run = 0; run < 3; ++run) {
                const auto t0 = Clock::now();
                found += knowledge.WinningMoves(p).size();
                const double us = Ms(Clock::now() - t0) * 1000;
                if (run == 0)
                    first.push_back(us);
                best = std::min(best, us);
            }
            least.push_back(best);
        }
    }
    std::sort(first.begin(), first.end());
    printf("a hint on a figure, at each of %zu positions of %d random games: median (first run) / max (least of 3 runs)\t%.2f us / %.1f us\t<= 1000 us\n",
           first.size(), games, first[first.size() / 2], *std::max_element(least.begin(), least.end()));
    if (found == 0)
        printf("no hint found\t-\t-\n");
}

void Proofs(Shape shape, const char *board, int games, const char *aim)
{
    const auto t0 = Clock::now();
    Prover prover(shape, -1);
    printf("%s, one peg anywhere: positions of few pegs worked out before the first proof\t%.0f ms\t-\n", board,
           Ms(Clock::now() - t0));
    std::vector<const Problem *> starts;
    for (const Problem &p : Problems())
        if (p.shape == shape && p.emptyHole >= 0 && p.goalHole < 0)
            starts.push_back(&p);
    std::mt19937 random(2);
    std::size_t positions = 0, answered = 0;
    for (int g = 0; g < games; ++g)
        for (const Grid p : RandomGame(*starts[random() % starts.size()], random)) {
            ++positions;
            answered += prover.Prove(p).verdict != Verdict::Unknown;
        }
    printf("%s, one peg anywhere: positions of %d random games answered by a proof within 200 ms\t%.2f %% of %zu\t%s\n",
           board, games, 100.0 * double(answered) / double(positions), positions, aim);
}

} // namespace

int main(int argc, char **argv)
{
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    setvbuf(stdout, nullptr, _IOLBF, 0);
    Figures();
    FigureHints(games);
    Proofs(Shape::English, "English board", games, ">= 99 %");
    Proofs(Shape::French, "French board", games, ">= 95 %");
}
