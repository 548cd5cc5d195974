#pragma once

#include <QDateTime>
#include <functional>
#include <memory>

// A pending call after a delay; one at a time, restarting replaces it.
class Alarm {
public:
    virtual ~Alarm() = default;
    virtual void start(qint64 delayMs) = 0;
    virtual void stop() = 0;
};

// The clocks the time limit and the reminders read: the wall clock, which anyone may set,
// and a monotonic clock, which only runs forward. Injected, so that tests decide the time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime wallUtc() const = 0;
    virtual qint64 monotonicMs() const = 0;
    // An alarm that calls `onTimeout` on the user-interface thread.
    virtual std::unique_ptr<Alarm> makeAlarm(std::function<void()> onTimeout) = 0;
};

// The system's clocks: QDateTime for the wall clock, QElapsedTimer for the monotonic one,
// and single-shot QTimers for alarms.
std::unique_ptr<Clock> makeSystemClock();
