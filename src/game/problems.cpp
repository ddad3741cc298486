// SPDX-License-Identifier: MIT
#include "problems.h"

#include <array>

#include "cross.h"
#include "translate.h"

namespace peg {

namespace {

struct Figure {
    const char *id, *name;
    std::array<const char *, GRID_SIDE> rows;  // 'o' a peg, '.' an empty hole
};

// The classic figures, each to be ended with one peg in the centre.
const Figure FIGURES[] = {
    {"krzyz", QT_TRANSLATE_NOOP("Problems", "Krzyż"),
     {"  ...  ", "  .o.  ", "..ooo..", "...o...", "...o...", "  ...  ", "  ...  "}},
    {"plus", QT_TRANSLATE_NOOP("Problems", "Plus"),
     {"  ...  ", "  .o.  ", "...o...", ".ooooo.", "...o...", "  .o.  ", "  ...  "}},
    {"kominek", QT_TRANSLATE_NOOP("Problems", "Kominek"),
     {"  ooo  ", "  ooo  ", "..ooo..", "..o.o..", ".......", "  ...  ", "  ...  "}},
    {"piramida", QT_TRANSLATE_NOOP("Problems", "Piramida"),
     {"  ...  ", "  .o.  ", "..ooo..", ".ooooo.", "ooooooo", "  ...  ", "  ...  "}},
    {"strzala", QT_TRANSLATE_NOOP("Problems", "Strzała"),
     {"  .o.  ", "  ooo  ", ".ooooo.", "...o...", "...o...", "  ooo  ", "  ooo  "}},
    {"romb", QT_TRANSLATE_NOOP("Problems", "Romb"),
     {"  .o.  ", "  ooo  ", ".ooooo.", "ooo.ooo", ".ooooo.", "  ooo  ", "  .o.  "}},
};

Grid FigurePegs(const Figure &f)
{
    Grid g = 0;
    for (int row = 1; row <= GRID_SIDE; ++row)
        for (int col = 1; col <= GRID_SIDE; ++col)
            if (f.rows[row - 1][col - 1] == 'o')
                g |= GridCell(col, row);
    return g;
}

void AddSingleEmpty(std::vector<Problem> &list, Shape shape, const char *id, const char *name)
{
    const Board &board = Board::Of(shape);
    for (int bit = 0; bit < 49; ++bit) {
        const Grid start = board.holes() & ~(Grid(1) << bit);
        if (!(board.holes() >> bit & 1) || !FinishHoles(shape, -1, start))
            continue;
        const std::string col = std::to_string(GridCol(bit)), row = std::to_string(GridRow(bit));
        list.push_back({std::string(id) + "-" + col + "-" + row,
                        Fill(translate("Problems", "%1, puste pole: kolumna %2, rząd %3"),
                             {translate("Problems", name), col, row}),
                        shape, start, -1, bit});
    }
}

std::vector<Problem> MakeProblems()
{
    const int centre = GridBit(CENTRE.col, CENTRE.row);
    const Board &english = Board::Of(Shape::English);
    std::vector<Problem> list;
    list.push_back({"centralna", translate("Problems", "Gra centralna"), Shape::English,
                    english.holes() & ~(Grid(1) << centre), centre, centre});
    for (const Figure &f : FIGURES)
        list.push_back({f.id, translate("Problems", f.name), Shape::English, FigurePegs(f), centre, -1});
    AddSingleEmpty(list, Shape::English, "angielska", QT_TRANSLATE_NOOP("Problems", "Angielska"));
    AddSingleEmpty(list, Shape::French, "francuska", QT_TRANSLATE_NOOP("Problems", "Francuska"));
    return list;
}

} // namespace

const std::vector<Problem> &Problems()
{
    static const std::vector<Problem> list = MakeProblems();
    return list;
}

const Problem *FindProblem(std::string_view id)
{
    for (const Problem &p : Problems())
        if (p.id == id)
            return &p;
    return nullptr;
}

int StartPegs(const Problem &problem) { return GridPegs(problem.start); }

bool IsGoal(const Problem &problem, Grid p)
{
    return GridPegs(p) == 1 && (problem.goalHole < 0 || p == Grid(1) << problem.goalHole);
}

bool IsPerfect(const Problem &problem, Grid p)
{
    return problem.emptyHole >= 0 && p == Grid(1) << problem.emptyHole;
}

Grid FinishHoles(Shape shape, int goalHole, Grid p)
{
    // The holes of each class, worked out once: the problem list asks for
    // every start at start-up.
    static const std::array<Grid, 16> byClass = [] {
        std::array<Grid, 16> holes{};
        for (int bit = 0; bit < 49; ++bit)
            holes[std::size_t(PositionClass(Grid(1) << bit))] |= Grid(1) << bit;
        return holes;
    }();
    Grid finish = Board::Of(shape).holes() & byClass[std::size_t(PositionClass(p))];
    if (goalHole >= 0)
        finish &= Grid(1) << goalHole;
    return finish;
}

} // namespace peg
