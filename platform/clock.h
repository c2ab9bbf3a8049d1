#pragma once
// The clock the screens read: the current UTC date and time.

#include <QDateTime>

namespace korvel {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime utcNow() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime utcNow() const override { return QDateTime::currentDateTimeUtc(); }
};

// A clock that stands still until it is set; for tests and replays.
class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime now = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC))
        : now_(std::move(now)) {}
    QDateTime utcNow() const override { return now_; }
    void set(const QDateTime& now) { now_ = now; }
    void advance(int seconds) { now_ = now_.addSecs(seconds); }

private:
    QDateTime now_;
};

} // namespace korvel
