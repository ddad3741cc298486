// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "game.h"
#include "problems.h"

namespace peg {

Move GridMove(const GridJump &jump);
// The symmetries that keep the goal: all 8 for any hole or the centre.
SymmetrySet GoalSymmetries(int goalHole);

// A pagoda: a weight per grid bit (0 off the board) such that for every jump
// w(from) + w(over) >= w(to), so the weight of a position never grows. The
// prover's, for a board: a few drawn for the corners and arms with their
// images, and for each hole the steep one that falls with the distance.
using Pagoda = std::array<int, 49>;
const std::vector<Pagoda> &Pagodas(Shape shape);
// Whether by them no hole of `targets` can take the last peg from p.
bool PagodasRuleOut(Shape shape, Grid targets, Grid p);

// Everything about a problem with few reachable positions: each position
// reachable from its start that can still reach the goal, by number of pegs,
// up to the goal's symmetries.
class Knowledge {
public:
    // Empty when *cancel turned true on the way (checked often, so a window
    // can build in a worker thread and drop it).
    static std::optional<Knowledge> Build(const Problem &problem, const std::atomic<bool> *cancel = nullptr);

    // Whether p, reachable from the start, can still reach the goal; false
    // for a position that cannot be reached from the start.
    bool CanFinish(Grid p) const;
    // The moves from p after which the goal can still be reached, in the
    // board's jump order.
    std::vector<Move> WinningMoves(Grid p) const;
    std::size_t Count() const;

private:
    Knowledge(const Problem &problem);
    Shape shape_;
    SymmetrySet symmetries_;
    std::vector<std::vector<Grid>> levels_;  // by pegs, each sorted
};

enum class Verdict { Reachable, Unreachable, Unknown };

struct Proof {
    Verdict verdict = Verdict::Unknown;
    std::vector<Move> line;  // when reachable: the moves to the goal
};

struct ProofLimits {
    std::chrono::milliseconds time{200};
    std::uint64_t nodes = 0;  // positions looked at, 0 for no limit: a limit that does not hang on the clock
    const std::atomic<bool> *cancel = nullptr;
};

// Proves, within limits, whether a position of a board can reach the goal.
// A verdict given is the truth. What it learns (positions from which the goal
// cannot be reached) it keeps for later questions, so whether an answer comes
// in time, and which line, may depend on them; with a node limit a fresh
// Prover answers the same every time.
class Prover {
public:
    Prover(Shape shape, int goalHole);
    ~Prover();
    Prover(const Prover &) = delete;
    Prover &operator=(const Prover &) = delete;

    Shape shape() const { return shape_; }
    int goalHole() const { return goalHole_; }

    Proof Prove(Grid p, const ProofLimits &limits = {});

    struct MoveProof {
        Move move;
        Verdict verdict;  // of the position after the move
    };
    // Each move from p, in the board's jump order, with what could be proven
    // about the position after it, all within the one set of limits. A hint
    // shows only a move proven Reachable.
    std::vector<MoveProof> Moves(Grid p, const ProofLimits &limits = {});

    struct Search;

private:
    Shape shape_;
    int goalHole_;
    struct Dead;
    std::unique_ptr<Dead> dead_;
};

} // namespace peg
