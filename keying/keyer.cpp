#include "keying/keyer.h"

#include <cerrno>
#include <chrono>
#include <ctime>

#include <sys/prctl.h>

namespace korvel::keying {

namespace {

timespec monotonicNow() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts;
}

timespec plusMs(timespec t, std::int64_t ms) {
    const std::int64_t ns = std::int64_t(t.tv_nsec) + (ms % 1000) * 1000000;
    t.tv_sec += static_cast<time_t>(ms / 1000 + ns / 1000000000);
    t.tv_nsec = static_cast<long>(ns % 1000000000);
    return t;
}

void sleepUntil(const timespec& deadline) {
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

} // namespace

// ---------------------------------------------------------------------------------------
// The keyer thread.

ThreadedKeyer::ThreadedKeyer() : thread_([this] { loop(); }) {}

ThreadedKeyer::~ThreadedKeyer() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    stop_.store(true);
    wake_.notify_all();
    thread_.join();
}

void ThreadedKeyer::key(CwPlan plan, platform::ControlLines* lines, KeyerEvents events) {
    stop_.store(false);
    {
        std::lock_guard lock(mutex_);
        Job job;
        job.plan = std::move(plan);
        job.lines = lines;
        job.events = std::move(events);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_all();
}

void ThreadedKeyer::pause(std::int64_t ms, std::function<void()> done) {
    {
        std::lock_guard lock(mutex_);
        Job job;
        job.pauseMs = ms;
        job.pauseDone = std::move(done);
        job.pauseGeneration = pauseGeneration_;
        jobs_.push_back(std::move(job));
    }
    wake_.notify_all();
}

void ThreadedKeyer::cancelPause() {
    {
        std::lock_guard lock(mutex_);
        ++pauseGeneration_;
    }
    wake_.notify_all();
}

void ThreadedKeyer::shutdown() {
    std::unique_lock lock(mutex_);
    ++pauseGeneration_;
    stop_.store(true);
    for (Job& j : jobs_)
        j.events = {}; // queued work is dropped unheard
    jobs_.clear();
    wake_.notify_all();
    idle_.wait(lock, [this] { return !running_; });
}

void ThreadedKeyer::loop() {
    // Wake-ups as close to the deadline as the kernel can make them (the default slack
    // of 50 µs would show in every element).
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || !jobs_.empty(); });
        if (quit_) return;
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        running_ = true;
        if (job.pauseMs >= 0) {
            runPause(job, lock);
        } else {
            lock.unlock();
            runMessage(job);
            lock.lock();
        }
        running_ = false;
        idle_.notify_all();
    }
}

void ThreadedKeyer::runMessage(Job& job) {
    CwRun run(job.plan, job.lines);
    const timespec start = monotonicNow();
    while (run.advance(stop_, job.events.shown))
        sleepUntil(plusMs(start, run.elapsedMs()));
    if (job.events.done) job.events.done(run.result());
}

void ThreadedKeyer::runPause(Job& job, std::unique_lock<std::mutex>& lock) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(job.pauseMs);
    const bool cancelled = wake_.wait_until(
        lock, deadline, [&] { return quit_ || pauseGeneration_ != job.pauseGeneration; });
    if (cancelled || !job.pauseDone) return;
    lock.unlock();
    job.pauseDone();
    lock.lock();
}

// ---------------------------------------------------------------------------------------
// The fake keyer.

void FakeKeyer::key(CwPlan plan, platform::ControlLines* lines, KeyerEvents events) {
    stop_.store(false);
    plan_ = std::move(plan);
    run_ = std::make_unique<CwRun>(plan_, lines);
    events_ = std::move(events);
    start_ = now_;
}

void FakeKeyer::pause(std::int64_t ms, std::function<void()> done) {
    pauseDone_ = std::move(done);
    pauseEnd_ = now_ + ms;
}

void FakeKeyer::shutdown() {
    run_.reset();
    events_ = {};
    pauseDone_ = nullptr;
}

// One thing falling due at or before `until`: the next steps of the message, or the end
// of the pause. Returns false when nothing is due.
bool FakeKeyer::step(std::int64_t until) {
    if (run_ && start_ + run_->elapsedMs() <= until) {
        now_ = std::max(now_, start_ + run_->elapsedMs());
        if (!run_->advance(stop_, events_.shown)) {
            const KeyResult result = run_->result();
            run_.reset();
            const KeyerEvents events = std::move(events_);
            events_ = {};
            if (events.done) events.done(result);
        }
        return true;
    }
    if (pauseDone_ && pauseEnd_ <= until) {
        now_ = std::max(now_, pauseEnd_);
        auto done = std::move(pauseDone_);
        pauseDone_ = nullptr;
        done();
        return true;
    }
    return false;
}

void FakeKeyer::advance(std::int64_t ms) {
    const std::int64_t until = now_ + ms;
    while (step(until)) {
    }
    now_ = until;
}

void FakeKeyer::finishMessage() {
    while (run_)
        step(start_ + run_->elapsedMs());
}

void FakeKeyer::finishPause() {
    if (pauseDone_) step(pauseEnd_);
}

} // namespace korvel::keying
