#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

// Local wall times of a time zone as instants. A local time alone cannot tell the two hours
// of an autumn night apart, and a spring night skips one, so every local time is turned
// into the first instant at which the zone's clock reads it or later.
namespace LocalTime {

// The first UTC instant at which the clock of `zone` shows `date` `time` or later: the
// earlier of two repeated hours, or the end of a skipped hour.
QDateTime firstInstant(QDate date, QTime time, const QTimeZone& zone);

}  // namespace LocalTime
