// SPDX-License-Identifier: MIT
#include "problemoracle.h"

#include <QMetaObject>

namespace peg {

ProblemOracle::ProblemOracle(QObject *parent) : QObject(parent), oracle_(std::make_shared<Oracle>(CentralProblem()))
{
}

ProblemOracle::~ProblemOracle() { stop(); }

void ProblemOracle::stop()
{
    if (cancel_)
        cancel_->store(true);
    // The knowledge and the proof look at the flag often: this is short.
    if (worker_.joinable())
        worker_.join();
    done_ = true;
}

void ProblemOracle::setProblem(const Problem &problem)
{
    stop();
    forget();
    oracle_ = std::make_shared<Oracle>(problem);
    known_ = false;
    if (!oracle_->Prepared())
        start(false, 0);
}

void ProblemOracle::forget()
{
    ++generation_;
    waiting_.clear();
}

void ProblemOracle::ask(Grid p, Reply reply)
{
    if (known_ && asked_ == p) {
        reply(answer_);
        return;
    }
    if (asked_ != p || waiting_.empty()) {
        // An older question's reply is no longer wanted; a complete
        // problem's knowledge, on the way, still is.
        if (busy() && !oracle_->Complete())
            stop();
        forget();
        asked_ = p;
        known_ = false;
    }
    waiting_.push_back(std::move(reply));
    if (!busy())
        serveWaiting();
}

void ProblemOracle::serveWaiting()
{
    if (waiting_.empty())
        return;
    if (!oracle_->Complete() || !oracle_->Prepared()) {
        start(true, asked_);
        return;
    }
    answer_ = oracle_->Ask(asked_);
    known_ = true;
    for (const Reply &reply : std::exchange(waiting_, {}))
        reply(answer_);
}

void ProblemOracle::start(bool question, Grid p)
{
    if (worker_.joinable())
        worker_.join();
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    done_ = false;
    worker_ = std::thread([this, oracle = oracle_, cancel = cancel_, question, p, generation = generation_] {
        Answer answer;
        if (oracle->Prepare(cancel.get()) && question)
            answer = oracle->Ask(p, {std::chrono::milliseconds(PROOF_MS), 0, cancel.get()});
        // Queued to this object: dropped with it, and the destructor waits
        // for this thread first.
        QMetaObject::invokeMethod(
            this,
            [this, cancel, question, p, generation, answer = std::move(answer)] {
                if (!cancel->load())  // else stop() has been and gone
                    finished(question, p, generation, answer);
            },
            Qt::QueuedConnection);
    });
}

void ProblemOracle::finished(bool question, Grid p, unsigned generation, const Answer &answer)
{
    worker_.join();  // it ends right after queueing this
    done_ = true;
    if (question && generation == generation_ && p == asked_) {
        answer_ = answer;
        known_ = true;
        for (const Reply &reply : std::exchange(waiting_, {}))
            reply(answer_);
    }
    serveWaiting();  // what was asked meanwhile
}

} // namespace peg
