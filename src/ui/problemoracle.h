// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "oracle.h"

namespace peg {

// The current problem's Oracle, asked without stopping the window: what
// takes time (a figure's knowledge, a proof) runs in a thread of its own,
// one question at a time, and a newer question cancels an older one. The
// answer comes back in the window's thread, and only while the question is
// still the problem's and position's it was asked for.
class ProblemOracle : public QObject {
    Q_OBJECT
public:
    using Reply = std::function<void(const Answer &)>;
    static constexpr int PROOF_MS = 200;

    explicit ProblemOracle(QObject *parent);
    ~ProblemOracle() override;

    // Drops every question and what was known, and starts making a complete
    // problem's knowledge.
    void setProblem(const Problem &problem);
    const Problem &problem() const { return oracle_->problem(); }

    // Calls reply with what is known of p, at once where the answer is at
    // hand (a complete problem whose knowledge is made), else later or,
    // when the question is dropped, never.
    void ask(Grid p, Reply reply);
    // Drops the questions waiting: their replies never come.
    void forget();

    bool busy() const { return worker_.joinable() && !done_; }

private:
    // Runs in the worker: the knowledge made, then when `question`, p asked.
    void start(bool question, Grid p);
    void finished(bool question, Grid p, unsigned generation, const Answer &answer);
    void serveWaiting();
    void stop();

    std::shared_ptr<Oracle> oracle_;
    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    bool done_ = true;
    unsigned generation_ = 0;  // of the questions, bumped by setProblem and forget
    Grid asked_ = 0;
    std::vector<Reply> waiting_;
    bool known_ = false;  // answer_ holds what is known of asked_
    Answer answer_;
};

} // namespace peg
