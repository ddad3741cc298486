// SPDX-License-Identifier: MIT
#include "problemoracle.h"

#include <QMetaObject>

namespace peg {

ProblemOracle::ProblemOracle(QObject *parent)
    : QObject(parent), oracle_(std::make_shared<Oracle>(CentralProblem())),
      problemCancel_(std::make_shared<std::atomic<bool>>(false))
{
}

ProblemOracle::~ProblemOracle()
{
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
        interrupt_ = true;
        for (const Job &job : jobs_)
            job.cancel->store(true);
    }
    problemCancel_->store(true);
    wake_.notify_one();
    if (worker_.joinable())
        worker_.join();
}

void ProblemOracle::run()
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || !jobs_.empty(); });
            if (quit_)
                return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        Answer answer;
        bool ready = false;
        if (!job.cancel->load()) {
            ready = job.oracle->Prepare(job.cancel.get());
            if (ready && job.question)
                answer = job.oracle->Ask(job.p, {std::chrono::milliseconds(PROOF_MS), 0, job.cancel.get()});
        }
        // Queued to this object: dropped with it.
        QMetaObject::invokeMethod(
            this, [this, job, ready, answer] { finished(job, ready, answer); }, Qt::QueuedConnection);
        if (!job.question || answer.verdict != Verdict::Unknown || job.cancel->load())
            continue;
        {
            const std::lock_guard lock(mutex_);
            if (!jobs_.empty())
                continue;
            interrupt_ = false;  // under the lock: a job posted from now on sets it
        }
        Answer later = job.oracle->Ask(job.p, {std::chrono::milliseconds(LATER_PROOF_MS), 0, &interrupt_});
        if (later.verdict != Verdict::Unknown)
            QMetaObject::invokeMethod(
                this, [this, job, later] { improved(job, later); }, Qt::QueuedConnection);
    }
}

void ProblemOracle::post(bool question, Grid p, const Flag &cancel)
{
    ++inFlight_;
    if (!worker_.joinable())  // the first job: a player who never asks never has the thread
        worker_ = std::thread([this] { run(); });
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back({oracle_, question, p, generation_, cancel});
        interrupt_ = true;
    }
    wake_.notify_one();
}

void ProblemOracle::setProblem(const Problem &problem)
{
    problemCancel_->store(true);
    problemCancel_ = std::make_shared<std::atomic<bool>>(false);
    forget();
    oracle_ = std::make_shared<Oracle>(problem, shelf_);
    prepared_ = false;
    known_ = false;
    post(false, 0, problemCancel_);
}

void ProblemOracle::forget()
{
    ++generation_;
    waiting_.clear();
    if (questionCancel_)
        questionCancel_->store(true);
}

void ProblemOracle::ask(Grid p, Reply reply)
{
    if (known_ && asked_ == p) {
        reply(answer_);
        return;
    }
    if (asked_ != p || waiting_.empty()) {
        // An older question's reply is no longer wanted.
        forget();
        asked_ = p;
        known_ = false;
        waiting_.push_back(std::move(reply));
        // Nothing else touches the oracle while no job is in flight.
        if (oracle_->Complete() && prepared_ && inFlight_ == 0) {
            answer(oracle_->Ask(p));
            return;
        }
        questionCancel_ = std::make_shared<std::atomic<bool>>(false);
        post(true, p, questionCancel_);
        return;
    }
    waiting_.push_back(std::move(reply));
}

void ProblemOracle::finished(const Job &job, bool ready, const Answer &a)
{
    --inFlight_;
    if (job.oracle != oracle_)
        return;
    prepared_ = prepared_ || ready;
    if (job.question && !job.cancel->load() && job.generation == generation_ && job.p == asked_)
        answer(a);
}

void ProblemOracle::improved(const Job &job, const Answer &a)
{
    if (job.oracle != oracle_ || job.generation != generation_ || job.p != asked_ || !known_)
        return;
    answer_ = a;
    emit answerImproved();
}

void ProblemOracle::answer(const Answer &a)
{
    answer_ = a;
    known_ = true;
    for (const Reply &reply : std::exchange(waiting_, {}))
        reply(answer_);
}

} // namespace peg
