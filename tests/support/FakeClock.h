#pragma once

#include <QList>
#include <algorithm>

#include "timelimit/Clock.h"

// Clocks a test moves by hand: advance() runs the monotonic and the wall clock on together
// and fires the alarms that fall due, in order; setWall() changes the wall clock alone, as
// a user setting the system clock does.
class FakeClock : public Clock {
public:
    explicit FakeClock(const QDateTime& wall) : m_wall(wall.toUTC()) {}

    QDateTime wallUtc() const override { return m_wall; }
    qint64 monotonicMs() const override { return m_mono; }
    std::unique_ptr<Alarm> makeAlarm(std::function<void()> onTimeout) override {
        auto alarm = std::make_unique<FakeAlarm>(*this, std::move(onTimeout));
        m_alarms << alarm.get();
        return alarm;
    }

    void advance(qint64 ms) {
        const qint64 target = m_mono + ms;
        for (;;) {
            FakeAlarm* next = nullptr;
            for (FakeAlarm* alarm : m_alarms) {
                if (alarm->due >= 0 && alarm->due <= target && (!next || alarm->due < next->due))
                    next = alarm;
            }
            if (!next) break;
            step(next->due - m_mono);
            next->due = -1;
            next->onTimeout();
        }
        step(target - m_mono);
    }
    void advanceSecs(qint64 secs) { advance(secs * 1000); }
    void setWall(const QDateTime& wall) { m_wall = wall.toUTC(); }

private:
    struct FakeAlarm : Alarm {
        FakeAlarm(FakeClock& clock, std::function<void()> callback)
            : clock(clock), onTimeout(std::move(callback)) {}
        ~FakeAlarm() override { clock.m_alarms.removeOne(this); }
        void start(qint64 delayMs) override { due = clock.m_mono + std::max<qint64>(0, delayMs); }
        void stop() override { due = -1; }
        FakeClock& clock;
        std::function<void()> onTimeout;
        qint64 due = -1;
    };

    void step(qint64 ms) {
        m_mono += ms;
        m_wall = m_wall.addMSecs(ms);
    }

    QDateTime m_wall;
    qint64 m_mono = 1000000;
    QList<FakeAlarm*> m_alarms;
};
