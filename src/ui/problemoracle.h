// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "oracle.h"

namespace peg {

// The current problem's Oracle, asked without stopping the window: what
// takes time (the table, a figure's knowledge, a proof) runs in a thread of
// its own, one job after another, and the window never waits for it. A
// newer question cancels an older one. The answer comes back in the
// window's thread, and only while the question is still the problem's and
// position's it was asked for.
class ProblemOracle : public QObject {
    Q_OBJECT
public:
    using Reply = std::function<void(const Answer &)>;
    static constexpr int PROOF_MS = 200;
    // After a question left open, the worker goes on with it for up to this
    // long while nothing else is asked, and a verdict found replaces the
    // answer "unknown".
    static constexpr int LATER_PROOF_MS = 5000;

    explicit ProblemOracle(QObject *parent);
    ~ProblemOracle() override;

    // Drops every question and what was known, and starts making what the
    // problem's answers need.
    void setProblem(const Problem &problem);
    const Problem &problem() const { return oracle_->problem(); }

    // Calls reply with what is known of p: at once where the answer is at
    // hand (a complete problem whose knowledge is made), else later or,
    // when the question is dropped, never.
    void ask(Grid p, Reply reply);
    // Drops the questions waiting: their replies never come.
    void forget();

signals:
    // What is known of the position last asked about became a verdict.
    void answerImproved();

private:
    using Flag = std::shared_ptr<std::atomic<bool>>;
    struct Job {
        std::shared_ptr<Oracle> oracle;
        bool question;
        Grid p;
        unsigned generation;
        Flag cancel;
    };
    void post(bool question, Grid p, const Flag &cancel);
    void run();  // the worker
    void finished(const Job &job, bool ready, const Answer &answer);
    void improved(const Job &job, const Answer &answer);
    void answer(const Answer &answer);

    std::shared_ptr<Oracle> oracle_;
    std::shared_ptr<Oracle::ProverShelf> shelf_ = std::make_shared<Oracle::ProverShelf>();
    Flag problemCancel_;          // the current problem's jobs
    Flag questionCancel_;         // the latest question's job
    bool prepared_ = false;       // the current oracle is ready, as a job of it told
    int inFlight_ = 0;            // jobs posted and not yet finished
    unsigned generation_ = 0;     // of the questions, bumped by setProblem and forget
    Grid asked_ = 0;
    std::vector<Reply> waiting_;
    bool known_ = false;  // answer_ holds what is known of asked_
    Answer answer_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;
    bool quit_ = false;
    std::atomic<bool> interrupt_{false};  // a job is waiting: the work done meanwhile stops
    std::thread worker_;
};

} // namespace peg
