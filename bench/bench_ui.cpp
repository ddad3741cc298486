// SPDX-License-Identifier: MIT
// The window as a player feels it: a mouse press on the board until the
// board is repainted, and a whole 31-move replay at "szybko".
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "../tests/common/fullgame.h"
#include "boardpicture.h"
#include "gamewindow.h"
#include "kelbor.h"
#include "movefile.h"

using namespace peg;

namespace {

// Counts the paints of the board, to show every replayed move reached the screen.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void Press(Kelbor &w, int col, int row)
{
    QTest::mouseClick(w.window()->windowHandle(), Qt::LeftButton, {},
                      w.findChild<QWidget *>(QStringLiteral("Mapa"))->mapTo(w.window(), QPoint((col - 1) * 60 + 30, (row - 1) * 60 + 30)));
}

// Shows the window with its board's paints counted.
void ShowCounted(Kelbor &w, PaintCounter &counter, benchmark::State &state)
{
    w.findChild<QWidget *>(QStringLiteral("Mapa"))->installEventFilter(&counter);
    w.window()->show();
    if (!QTest::qWaitForWindowExposed(w.window()))
        state.SkipWithError("no window");
}

void BM_PressSelectToRepaint(benchmark::State &state)
{
    GameWindow top;  // the window as the game shows it, under its menu bar
    Kelbor &w = *top.board();
    PaintCounter counter;
    ShowCounted(w, counter, state);
    counter.paints = 0;
    int i = 0;
    for (auto _ : state)
        Press(w, (++i & 1) ? 4 : 3, 6);
    state.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PressSelectToRepaint)->Unit(benchmark::kMicrosecond);

void BM_PressMoveToRepaint(benchmark::State &state)
{
    GameWindow top;  // the window as the game shows it, under its menu bar
    Kelbor &w = *top.board();
    PaintCounter counter;
    ShowCounted(w, counter, state);
    for (auto _ : state) {
        state.PauseTiming();
        w.BTNreset_Click();
        Press(w, 4, 6);
        counter.paints = 0;
        state.ResumeTiming();
        Press(w, 4, 4);
    }
    state.counters["paints"] = counter.paints;  // of the last move: two
}
BENCHMARK(BM_PressMoveToRepaint)->Unit(benchmark::kMicrosecond);

void BM_Replay31AtSzybko(benchmark::State &state)
{
    Game played;
    played.NewGame();
    for (const Move &m : FULL_GAME) {
        played.CellClicked(m.fromCol, m.fromRow);
        played.CellClicked(m.toCol, m.toRow);
    }
    QFile file(QStringLiteral("pelna.txt"));
    const std::string bytes = FormatMoveFile(played);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), qint64(bytes.size()));
    file.close();

    GameWindow top;  // the window as the game shows it, under its menu bar
    Kelbor &w = *top.board();
    PaintCounter counter;
    ShowCounted(w, counter, state);
    int minPaints = 1 << 30;
    for (auto _ : state) {
        w.BTNOdt_Click();
        counter.paints = 0;
        QElapsedTimer t;
        t.start();
        w.SPDQ_Click();
        while (w.replayRunning())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
        if (w.game().pegsLeft() != 1)
            state.SkipWithError("replay did not reach one peg");
        minPaints = std::min(minPaints, counter.paints);
    }
    // Two board paints per move; fewer would mean a move never reached the screen.
    state.counters["paints"] = minPaints;
}
BENCHMARK(BM_Replay31AtSzybko)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(1);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
