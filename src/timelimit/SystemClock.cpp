#include <QElapsedTimer>
#include <QTimer>
#include <limits>

#include "timelimit/Clock.h"

namespace {

class TimerAlarm : public Alarm {
public:
    explicit TimerAlarm(std::function<void()> onTimeout) {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::CoarseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, std::move(onTimeout));
    }
    void start(qint64 delayMs) override {
        m_timer.start(int(qBound(qint64(0), delayMs, qint64(std::numeric_limits<int>::max()))));
    }
    void stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
};

class SystemClock : public Clock {
public:
    SystemClock() { m_monotonic.start(); }
    QDateTime wallUtc() const override { return QDateTime::currentDateTimeUtc(); }
    qint64 monotonicMs() const override { return m_monotonic.elapsed(); }
    std::unique_ptr<Alarm> makeAlarm(std::function<void()> onTimeout) override {
        return std::make_unique<TimerAlarm>(std::move(onTimeout));
    }

private:
    QElapsedTimer m_monotonic;
};

}  // namespace

std::unique_ptr<Clock> makeSystemClock() {
    return std::make_unique<SystemClock>();
}
