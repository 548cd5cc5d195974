#pragma once

#include <QObject>
#include <QString>
#include <QTimeZone>
#include <memory>

#include "state/UsageLedger.h"
#include "timelimit/BrowsingGate.h"
#include "timelimit/Clock.h"
#include "timelimit/TimeLimitRules.h"
#include "timelimit/TimeLimitSchedule.h"

// Counts the day's browsing time and tells the browser windows when to warn and when to
// stop. One per program.
//
// Time counts while at least one browser window is open and browsing is allowed. It is
// measured on the monotonic clock and charged in advance, 30 seconds at a time, each step
// saved to the ledger as it is charged, so ending the program never gives time back. The
// wall clock is compared with the monotonic clock at every step: a jump is recorded as a
// clock event and taken off every later decision. A wall clock that reads before the ledger's
// last moment at start was set back while the program was closed; it is recorded too, and
// decisions go on from the last moment.
class TimeLimitMonitor : public QObject, public BrowsingGate {
    Q_OBJECT
public:
    static constexpr qint64 kStepMs = 30 * 1000;
    // A difference of the two clocks smaller than this is the wall clock's own correction.
    static constexpr qint64 kJumpToleranceSecs = 60;

    TimeLimitMonitor(TimeLimitSchedule schedule, QString databaseFile, Clock& clock, QTimeZone zone,
                     QObject* parent = nullptr);
    ~TimeLimitMonitor() override;

    // Reads the ledger and makes the first decision.
    void start();
    void setSchedule(const TimeLimitSchedule& schedule);

    void windowOpened();
    void windowClosed();
    int openWindows() const { return m_openWindows; }

    bool browsingAllowed() const override { return m_state.allowed; }
    const TimeLimitRules::State& state() const { return m_state; }
    const TimeLimitSchedule& schedule() const { return m_schedule; }
    const QTimeZone& zone() const { return m_zone; }
    qint64 clockCorrectionSeconds() const { return m_correctionSecs; }

    // Extra minutes for today, recorded in the ledger; the error text, empty on success.
    QString grant(int minutes);

signals:
    // Browsing became allowed or stopped.
    void allowedChanged(bool allowed);
    void warningDue(const QString& text);
    // The ledger could not be read or written; counting goes on in memory. Given once for
    // an error that repeats.
    void ledgerProblem(const QString& error);

private:
    void update();
    void detectClockJump();
    TimeLimitRules::State evaluate() const;
    UsageLedger::Day& today(QDate day);
    void save(const UsageLedger::Day& day);
    void record(qint64 jumpSecs, const QString& note);
    void report(const QString& error);
    void scheduleNextUpdate();

    TimeLimitSchedule m_schedule;
    UsageLedger m_ledger;
    Clock& m_clock;
    QTimeZone m_zone;
    std::unique_ptr<Alarm> m_alarm;
    UsageLedger::Snapshot m_usage;
    TimeLimitRules::State m_state;
    int m_openWindows = 0;
    qint64 m_correctionSecs = 0;
    qint64 m_paidUntilMs = -1;
    QDate m_paidDay;
    QDateTime m_lastWall;
    qint64 m_lastMonoMs = 0;
    bool m_updating = false;
    QString m_lastProblem;
};
