#include "timelimit/LocalTime.h"

#include <QList>
#include <algorithm>

namespace LocalTime {

QDateTime firstInstant(QDate date, QTime time, const QTimeZone& zone) {
    // The wall time read as if it were UTC; each offset in force near it gives a candidate.
    const qint64 naive = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
    constexpr qint64 kDay = 24 * 60 * 60;
    const auto offsetAt = [&zone](qint64 secs) {
        return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(secs, Qt::UTC));
    };
    QList<qint64> candidates;
    for (qint64 probe : {naive - kDay, naive, naive + kDay}) {
        const qint64 candidate = naive - offsetAt(probe);
        if (!candidates.contains(candidate)) candidates << candidate;
    }
    std::sort(candidates.begin(), candidates.end());

    for (qint64 candidate : candidates) {
        if (candidate + offsetAt(candidate) == naive)
            return QDateTime::fromSecsSinceEpoch(candidate, Qt::UTC);
    }
    // No instant shows this wall time: it lies in a skipped hour, which ends at the
    // transition that follows the earliest candidate.
    const QTimeZone::OffsetData next =
        zone.nextTransition(QDateTime::fromSecsSinceEpoch(candidates.first(), Qt::UTC));
    if (next.atUtc.isValid()) return next.atUtc.toUTC();
    return QDateTime::fromSecsSinceEpoch(candidates.first(), Qt::UTC);
}

}  // namespace LocalTime
