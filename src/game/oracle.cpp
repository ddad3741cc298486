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

Oracle::Oracle(const Problem &problem, std::shared_ptr<ProverShelf> shelf)
    : problem_(problem), complete_(IsCentral(problem) || problem.emptyHole < 0), shelf_(std::move(shelf))
{
}

Oracle::~Oracle() = default;

bool Oracle::Prepare(const std::atomic<bool> *cancel)
{
    if (Prepared())
        return true;
    if (!complete_) {
        if (shelf_ && *shelf_ && (*shelf_)->shape() == problem_.shape && (*shelf_)->goalHole() == problem_.goalHole)
            prover_ = *shelf_;
        else
            prover_ = std::make_shared<Prover>(problem_.shape, problem_.goalHole);
        if (shelf_)
            *shelf_ = prover_;
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

void Oracle::remember(Grid p, const std::vector<Move> &line)
{
    constexpr std::size_t MOST = 20'000;  // some 10 MB of lines
    if (proven_.size() + line.size() > MOST)
        proven_.clear();
    for (std::size_t i = 0; i < line.size(); p = GridAfter(p, line[i++]))
        proven_.try_emplace(p, line.begin() + std::ptrdiff_t(i), line.end());
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
        if (const auto known = proven_.find(p); known != proven_.end()) {
            answer.verdict = Verdict::Reachable;
            answer.line = known->second;
        } else {
            Proof proof = prover_->Prove(p, limits);
            answer.verdict = proof.verdict;
            answer.line = std::move(proof.line);
            if (answer.verdict == Verdict::Reachable)
                remember(p, answer.line);
        }
        if (!answer.line.empty())
            answer.winning = {answer.line.front()};
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
