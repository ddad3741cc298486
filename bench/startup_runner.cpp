// SPDX-License-Identifier: MIT
// Starts two programs in turn, many times, and measures for each the time
// from the start of the process until it says "ready", and the resident
// memory it reports then. Prints medians, and the median of the ratios of
// runs made one right after the other, which a machine's slow spells
// disturb less than a ratio of medians.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Run {
    double ms = 0;
    long kib = 0;
};

Run Start(const char *program)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(2);
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buf[256];
    Run r;
    ssize_t n;
    while ((n = read(out[0], buf, sizeof buf)) > 0) {
        text.append(buf, std::size_t(n));
        if (text.find('\n') != std::string::npos) {
            r.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
            break;
        }
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (text.rfind("ready ", 0) != 0) {
        std::fprintf(stderr, "%s did not report ready\n", program);
        std::exit(1);
    }
    r.kib = std::atol(text.c_str() + 6);
    return r;
}

template <class T> T Median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_runner RUNS GAME_PROBE BARE_PROBE\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<double> gameMs, bareMs, pairRatios;
    std::vector<long> gameKiB, bareKiB;
    Start(argv[2]);  // warm the file cache for both before measuring
    Start(argv[3]);
    for (int i = 0; i < runs; ++i) {
        const Run g = Start(argv[2]);
        const Run b = Start(argv[3]);
        gameMs.push_back(g.ms);
        pairRatios.push_back(g.ms / b.ms);
        bareMs.push_back(b.ms);
        gameKiB.push_back(g.kib);
        bareKiB.push_back(b.kib);
    }
    const double gm = Median(gameMs), bm = Median(bareMs);
    const long gk = Median(gameKiB), bk = Median(bareKiB);
    std::printf("startup_ms game %.1f bare %.1f ratio %.3f\n", gm, bm, Median(pairRatios));
    std::printf("resident_kib game %ld bare %ld ratio %.3f\n", gk, bk, double(gk) / double(bk));
    return 0;
}
