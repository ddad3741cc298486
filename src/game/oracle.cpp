// SPDX-License-Identifier: MIT
#include "oracle.h"

#include "hints.h"

namespace peg {

namespace {

bool IsCentral(const Problem &problem) { return &problem == &CentralProblem(); }

Position PositionOfGrid(Grid g)
{
    Position p = 0;
    for (int i = 0; i < HOLES; ++i)
        if (g & GridCell(HoleCell(i).col, HoleCell(i).row))
            p |= Position(1) << i;
    return p;
}

} // namespace

Grid GridOf(const Game &game)
{
    Grid g = 0;
    for (int row = GAME_FIRST; row <= GAME_LAST; ++row)
        for (int col = GAME_FIRST; col <= GAME_LAST; ++col)
            if (game.cell(col, row) == CELL_PEG)
                g |= GridCell(col, row);
    return g;
}

Grid GridAfter(Grid p, const Move &m)
{
    const CellPos over = *JumpedCell(m.from(), m.to());
    return p ^ GridCell(m.fromCol, m.fromRow) ^ GridCell(over.col, over.row) ^ GridCell(m.toCol, m.toRow);
}

Oracle::Oracle(const Problem &problem)
    : problem_(problem), complete_(IsCentral(problem) || problem.emptyHole < 0)
{
}

Oracle::~Oracle() = default;

bool Oracle::Prepare(const std::atomic<bool> *cancel)
{
    if (Prepared())
        return true;
    if (!complete_) {
        prover_ = std::make_unique<Prover>(problem_.shape, problem_.goalHole);
        return true;
    }
    if (IsCentral(problem_)) {
        BuiltInWinTable();
        return true;
    }
    knowledge_ = Knowledge::Build(problem_, cancel);
    return knowledge_.has_value();
}

bool Oracle::Prepared() const
{
    if (!complete_)
        return prover_ != nullptr;
    return IsCentral(problem_) ? BuiltInWinTableDecoded() : knowledge_.has_value();
}

std::vector<Move> Oracle::winningMoves(Grid p)
{
    if (IsCentral(problem_))
        return WinningMoves(PositionOfGrid(p), BuiltInWinTable());
    return knowledge_->WinningMoves(p);
}

Answer Oracle::Ask(Grid p, const ProofLimits &limits)
{
    Answer answer;
    if (IsGoal(problem_, p)) {
        answer.verdict = Verdict::Reachable;
        return answer;
    }
    Prepare();
    if (!complete_) {
        Proof proof = prover_->Prove(p, limits);
        answer.verdict = proof.verdict;
        if (!proof.line.empty())
            answer.winning = {proof.line.front()};
        answer.line = std::move(proof.line);
        return answer;
    }
    answer.winning = winningMoves(p);
    if (answer.winning.empty()) {
        answer.verdict = Verdict::Unreachable;
        return answer;
    }
    answer.verdict = Verdict::Reachable;
    // Every winning move leads on to another until the goal.
    for (Grid at = p; !IsGoal(problem_, at);) {
        const std::vector<Move> next = at == p ? answer.winning : winningMoves(at);
        answer.line.push_back(next.front());
        at = GridAfter(at, next.front());
    }
    return answer;
}

} // namespace peg
