#include "timelimit/TimeLimitMonitor.h"

#include <utility>

namespace {

// The ledger rows read at start: enough for the days the decisions look at.
constexpr int kDaysRead = 10;

}  // namespace

TimeLimitMonitor::TimeLimitMonitor(TimeLimitSchedule schedule, QString databaseFile, Clock& clock,
                                   QTimeZone zone, QObject* parent)
    : QObject(parent),
      m_schedule(std::move(schedule)),
      m_ledger(std::move(databaseFile)),
      m_clock(clock),
      m_zone(std::move(zone)),
      m_alarm(clock.makeAlarm([this] { update(); })) {}

TimeLimitMonitor::~TimeLimitMonitor() = default;

void TimeLimitMonitor::start() {
    m_lastWall = m_clock.wallUtc();
    m_lastMonoMs = m_clock.monotonicMs();
    const QDate since = m_lastWall.toTimeZone(m_zone).date().addDays(-kDaysRead);
    const auto read = m_ledger.read(since);
    if (read.ok()) m_usage = read.value;
    report(read.error);

    const QDateTime last = m_usage.lastMoment;
    if (last.isValid() && m_lastWall.secsTo(last) > kJumpToleranceSecs) {
        // Set back while the program was closed: go on from the last moment stored.
        m_correctionSecs = -m_lastWall.secsTo(last);
        record(m_correctionSecs,
               QStringLiteral("The clock was set back while the program was closed."));
    }
    update();
}

void TimeLimitMonitor::setSchedule(const TimeLimitSchedule& schedule) {
    m_schedule = schedule;
    update();
}

void TimeLimitMonitor::windowOpened() {
    ++m_openWindows;
    update();
}

void TimeLimitMonitor::windowClosed() {
    m_openWindows = qMax(0, m_openWindows - 1);
    update();
}

QString TimeLimitMonitor::grant(int minutes) {
    if (minutes <= 0) return QStringLiteral("A grant needs at least one minute.");
    detectClockJump();
    const UsageLedger::Grant grant{m_state.day, m_clock.wallUtc().addSecs(-m_correctionSecs),
                                   minutes};
    const QString error = m_ledger.addGrant(grant);
    if (!error.isEmpty()) return error;
    m_usage.grants << grant;
    update();
    return QString();
}

TimeLimitRules::State TimeLimitMonitor::evaluate() const {
    TimeLimitRules::Input input;
    input.schedule = m_schedule;
    input.usage = m_usage;
    // The step paid in advance is stored, but only its elapsed part is used up yet.
    const qint64 prepaidMs = m_paidUntilMs - m_clock.monotonicMs();
    if (prepaidMs > 0) {
        for (UsageLedger::Day& day : input.usage.days) {
            if (day.day == m_paidDay) day.usedSeconds -= prepaidMs / 1000;
        }
    }
    input.instant = m_clock.wallUtc();
    input.clockCorrectionSeconds = m_correctionSecs;
    input.zone = m_zone;
    return TimeLimitRules::evaluate(input);
}

void TimeLimitMonitor::detectClockJump() {
    const QDateTime wall = m_clock.wallUtc();
    const qint64 mono = m_clock.monotonicMs();
    const QDateTime expected = m_lastWall.addMSecs(mono - m_lastMonoMs);
    const qint64 jump = expected.secsTo(wall);
    m_lastWall = wall;
    m_lastMonoMs = mono;
    if (qAbs(jump) <= kJumpToleranceSecs) return;
    m_correctionSecs += jump;
    record(jump, jump > 0 ? QStringLiteral("The clock was set forward.")
                          : QStringLiteral("The clock was set back."));
}

void TimeLimitMonitor::update() {
    // A signal's receiver may open or close a window; its own update comes after this one.
    if (m_updating) return;
    m_updating = true;
    detectClockJump();
    const bool wasAllowed = m_state.allowed;
    m_state = evaluate();

    const qint64 mono = m_clock.monotonicMs();
    const bool counting = m_openWindows > 0 && m_state.allowed && !m_schedule.isUnlimited();
    if (counting && mono >= m_paidUntilMs) {
        UsageLedger::Day& day = today(m_state.day);
        day.usedSeconds += kStepMs / 1000;
        day.lastMoment = m_state.effectiveInstant;
        m_usage.lastMoment = qMax(m_usage.lastMoment, day.lastMoment);
        m_paidUntilMs = mono + kStepMs;
        m_paidDay = day.day;
        save(day);
        m_state = evaluate();
    }

    const std::optional<TimeLimitRules::Warning> warning = m_state.warning;
    if (warning && m_openWindows > 0) {
        UsageLedger::Day& day = today(m_state.day);
        day.warnings << warning->key;
        save(day);
        m_state.warning.reset();
    }
    scheduleNextUpdate();
    m_updating = false;

    if (warning && m_openWindows > 0) emit warningDue(warning->text);
    if (m_state.allowed != wasAllowed) emit allowedChanged(m_state.allowed);
}

UsageLedger::Day& TimeLimitMonitor::today(QDate day) {
    for (UsageLedger::Day& record : m_usage.days) {
        if (record.day == day) return record;
    }
    m_usage.days << UsageLedger::Day{day, 0, {}, {}};
    return m_usage.days.last();
}

void TimeLimitMonitor::save(const UsageLedger::Day& day) {
    report(m_ledger.saveDay(day));
}

void TimeLimitMonitor::record(qint64 jumpSecs, const QString& note) {
    report(m_ledger.addClockEvent({m_clock.wallUtc(), jumpSecs, note}));
}

void TimeLimitMonitor::report(const QString& error) {
    // A ledger that keeps failing is reported once, not at every step.
    if (!error.isEmpty() && error != m_lastProblem) emit ledgerProblem(error);
    m_lastProblem = error;
}

void TimeLimitMonitor::scheduleNextUpdate() {
    const qint64 mono = m_clock.monotonicMs();
    qint64 delay = kStepMs;
    if (m_paidUntilMs > mono) delay = qMin(delay, m_paidUntilMs - mono);
    if (m_state.nextChange.isValid())
        delay = qMin(delay, m_state.effectiveInstant.msecsTo(m_state.nextChange));
    m_alarm->start(qMax<qint64>(delay, 250));
}
