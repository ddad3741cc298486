// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "solver.h"

namespace peg {

// The pegs of a game as grid bits.
Grid GridOf(const Game &game);
// One move on the grid, for a move the rules allow there.
Grid GridAfter(Grid p, const Move &move);

// What is known of a position: whether the goal can still be reached, and
// when it can, the moves that keep it reachable and a line to it.
struct Answer {
    Verdict verdict = Verdict::Unknown;
    // Reachable: every such move, by source hole row by row, then up, right,
    // down, left, where the knowledge is complete; else the line's first.
    std::vector<Move> winning;
    std::vector<Move> line;  // reachable: the moves to the goal, none at the goal
};

// Answers for one problem: the central game from the table built into the
// program, a figure from the knowledge of all its positions, made once; the
// rest from a proof within limits, which may not come.
class Oracle {
public:
    // The prover of the problem's board and goal, made once and handed on
    // from one problem to the next with the same board and goal: its table
    // of positions of few pegs and its dead ends hold for all of them.
    using ProverShelf = std::shared_ptr<Prover>;

    // shelf: where a prover for the problem is looked for, and left; used
    // only by Prepare and Ask, so only in the thread that calls them.
    explicit Oracle(const Problem &problem, std::shared_ptr<ProverShelf> shelf = nullptr);
    ~Oracle();
    Oracle(const Oracle &) = delete;
    Oracle &operator=(const Oracle &) = delete;

    const Problem &problem() const { return problem_; }
    // Whether every position gets its answer, once Prepare has returned true.
    bool Complete() const { return complete_; }
    // Makes what answers need: the table decoded, a figure's knowledge
    // built (up to a second or two), the prover's knowledge of positions of
    // few pegs (a few tenths). Returns false when *cancel turned true on the
    // way.
    bool Prepare(const std::atomic<bool> *cancel = nullptr);
    bool Prepared() const;

    // For a position reached from the problem's start; prepares first. A
    // complete oracle ignores the limits.
    Answer Ask(Grid p, const ProofLimits &limits = {});

private:
    std::vector<Move> winningMoves(Grid p);
    void remember(Grid p, const std::vector<Move> &line);

    const Problem &problem_;
    bool complete_;
    std::optional<Knowledge> knowledge_;
    std::shared_ptr<ProverShelf> shelf_;
    std::shared_ptr<Prover> prover_;
    // Each position of a line proven to the goal, with the rest of the line:
    // a player who follows hints is answered at once, and the same way.
    std::unordered_map<Grid, std::vector<Move>> proven_;
};

} // namespace peg
