// SPDX-License-Identifier: MIT
// The game's inner loops, without a window: the jump rule, a click that
// selects, a click that moves (tiles drawn into the board image), a full
// board redraw, and reading a 31-move file.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstring>

#include "../tests/common/fullgame.h"
#include "boardlook.h"
#include "gamefiles.h"
#include "movefile.h"
#include "tilerenderer.h"

using namespace peg;

namespace {

// Draws into a real board image, as the window does, but refreshes nothing.
class ImageView : public BoardView {
public:
    explicit ImageView(Game &game) : game_(game) {}
    void DrawTile(Tile t, int col, int row) override { renderer.DrawTile(t, col, row); }
    void RefreshBoard() override {}
    void DrawBoard() override { renderer.DrawBoard(game_); }
    void ShowCount(Int16) override {}
    TileRenderer renderer;

private:
    Game &game_;
};

std::string FullGameFile()
{
    Game g;
    g.NewGame();
    for (const Move &m : FULL_GAME) {
        g.CellClicked(m.fromCol, m.fromRow);
        g.CellClicked(m.toCol, m.toRow);
    }
    return FormatMoveFile(g);
}

void BM_IsLegalJump(benchmark::State &state)
{
    Game g;
    g.NewGame();
    int target = 0;
    for (auto _ : state) {
        // A legal and an illegal question in turn, so neither is folded away.
        const bool legal = (++target & 1) ? g.IsLegalJump(6, 4, 4, 4) : g.IsLegalJump(5, 5, 3, 3);
        benchmark::DoNotOptimize(legal);
    }
}
BENCHMARK(BM_IsLegalJump);

void BM_CellClickedSelect(benchmark::State &state)
{
    Game g;
    ImageView view(g);
    g.setView(&view);
    g.NewGame();
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(g.CellClicked((++i & 1) ? 4 : 3, 6));
}
BENCHMARK(BM_CellClickedSelect);

void BM_CellClickedMove(benchmark::State &state)
{
    Game g;
    ImageView view(g);
    g.setView(&view);
    for (auto _ : state) {
        state.PauseTiming();
        g.NewGame();
        g.CellClicked(4, 6);
        state.ResumeTiming();
        benchmark::DoNotOptimize(g.CellClicked(4, 4));
    }
}
BENCHMARK(BM_CellClickedMove);

void BM_DrawBoard(benchmark::State &state)
{
    Game g;
    g.NewGame();
    TileRenderer renderer;
    for (auto _ : state) {
        renderer.DrawBoard(g);
        benchmark::DoNotOptimize(renderer.image().constBits());
    }
}
BENCHMARK(BM_DrawBoard);

void BM_ReadMoveFile31(benchmark::State &state)
{
    const std::string content = FullGameFile();
    for (auto _ : state) {
        MoveFile f = ParseMoveFile(content);
        benchmark::DoNotOptimize(f.moves.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(content.size()));
}
BENCHMARK(BM_ReadMoveFile31);

// A megabyte, the most a game file may hold, of one kind of byte: every
// way of reading it as a move file and as a board look, to its refusal or
// its end, with the message quoting what it found.
void BM_ReadOneMegabyte(benchmark::State &state)
{
    const char fill = "7x,"[state.range(0)];
    const std::string content(MAX_TEXT_FILE_BYTES, fill);
    std::size_t messages = 0;
    for (auto _ : state) {
        try {
            ParseMoveFile(content);
        } catch (const MoveFileError &e) {
            messages += std::strlen(e.what());
        }
        try {
            messages += std::size_t(ReadBoardLookName(content).size());
            LoadBoardLookPictures(ParseBoardLook(content));
        } catch (const BoardLookError &e) {
            messages += std::strlen(e.what());
        }
    }
    benchmark::DoNotOptimize(messages);
    state.SetLabel(fill == '7' ? "digits" : fill == 'x' ? "letters" : "commas");
}
BENCHMARK(BM_ReadOneMegabyte)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
