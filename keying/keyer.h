#pragma once
// The keyer runs CW plans and timed pauses away from the desk. Its callbacks may come
// from another thread: whoever hands it work marshals them to where they belong.

#include "keying/cw_plan.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace korvel::keying {

struct KeyerEvents {
    std::function<void(int index, double wpm)> shown; // a character is being keyed
    std::function<void(KeyResult)> done;              // the message has ended
};

class Keyer {
public:
    virtual ~Keyer() = default;
    // Keys `plan` on `lines` (null: timing and display only). The lines stay in use until
    // `done` has been called.
    virtual void key(CwPlan plan, platform::ControlLines* lines, KeyerEvents events) = 0;
    // The message being keyed stops before its next element. Any thread.
    virtual void stop() = 0;
    // Waits `ms`, then calls `done`, unless cancelPause() comes first.
    virtual void pause(std::int64_t ms, std::function<void()> done) = 0;
    virtual void cancelPause() = 0;
    // Stops everything and returns when no callback can come any more.
    virtual void shutdown() = 0;
};

// The real keyer: one thread that sleeps to absolute deadlines of the monotonic clock, so
// that the length of a message does not drift however long it is. Callbacks come on
// that thread.
class ThreadedKeyer : public Keyer {
public:
    ThreadedKeyer();
    ~ThreadedKeyer() override;
    void key(CwPlan plan, platform::ControlLines* lines, KeyerEvents events) override;
    void stop() override { stop_.store(true); }
    void pause(std::int64_t ms, std::function<void()> done) override;
    void cancelPause() override;
    void shutdown() override;

private:
    struct Job {
        CwPlan plan;
        platform::ControlLines* lines = nullptr;
        KeyerEvents events;
        std::int64_t pauseMs = -1; // a pause when >= 0
        std::function<void()> pauseDone;
        std::uint64_t pauseGeneration = 0;
    };
    void loop();
    void runMessage(Job& job);
    void runPause(Job& job, std::unique_lock<std::mutex>& lock);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    bool running_ = false;
    bool quit_ = false;
    std::uint64_t pauseGeneration_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// A keyer on a clock that moves only when told: tests drive it step by step, and the line
// recorder reads the same clock. Callbacks come from advance() on the caller's thread.
class FakeKeyer : public Keyer {
public:
    void key(CwPlan plan, platform::ControlLines* lines, KeyerEvents events) override;
    void stop() override { stop_.store(true); }
    void pause(std::int64_t ms, std::function<void()> done) override;
    void cancelPause() override { pauseDone_ = nullptr; }
    void shutdown() override;

    std::int64_t nowMs() const { return now_; }
    std::int64_t nowUs() const { return now_ * 1000; }
    bool keying() const { return run_ != nullptr; }
    bool pausing() const { return static_cast<bool>(pauseDone_); }
    // Moves the clock on by `ms`, carrying out whatever falls due on the way.
    void advance(std::int64_t ms);
    // Runs the message under way to its end (a pause waiting before it is left alone).
    void finishMessage();
    // Lets the pause under way run out.
    void finishPause();

private:
    bool step(std::int64_t until);

    std::int64_t now_ = 0;
    std::atomic<bool> stop_{false};
    CwPlan plan_;
    std::unique_ptr<CwRun> run_;
    KeyerEvents events_;
    std::int64_t start_ = 0;
    std::function<void()> pauseDone_;
    std::int64_t pauseEnd_ = 0;
};

} // namespace korvel::keying
