#include "timelimit/Reminder.h"

#include "timelimit/TimeLimitSchedule.h"

namespace {

QString key(const char* name, int number) {
    return QLatin1String(name) + QString::number(number);
}

}  // namespace

QString Reminder::describe() const {
    const QString at = time.toString(QStringLiteral("HH:mm"));
    return daily() ? QStringLiteral("daily at %1").arg(at)
                   : QStringLiteral("once on %1 at %2").arg(date.toString(Qt::ISODate), at);
}

Reminder::Parsed Reminder::parse(const Reader& read) {
    Parsed parsed;
    bool countOk = false;
    const QString countText = read(QStringLiteral("Count")).trimmed();
    const int count = countText.toInt(&countOk);
    if (countText.isEmpty()) return parsed;
    if (!countOk || count < 0 || count > kMaxCount) {
        parsed.problems
            << QStringLiteral("Count=%1 is not understood; no reminders are read.").arg(countText);
        return parsed;
    }
    for (int n = 1; n <= count; ++n) {
        Reminder reminder;
        reminder.text = read(key("Text", n)).trimmed();
        const std::optional<int> minute = TimeLimitSchedule::parseClock(read(key("Time", n)));
        const QString dateText = read(key("Date", n)).trimmed();
        reminder.date = QDate::fromString(dateText, Qt::ISODate);
        reminder.speak = read(key("Speak", n)) == QLatin1String("1");
        QString problem;
        if (reminder.text.isEmpty())
            problem = QStringLiteral("it has no text");
        else if (!minute)
            problem = QStringLiteral("its time is not HH:MM");
        else if (!dateText.isEmpty() && !reminder.date.isValid())
            problem = QStringLiteral("its date is not YYYY-MM-DD");
        if (!problem.isEmpty()) {
            parsed.problems << QStringLiteral("Reminder %1 is left out: %2.").arg(n).arg(problem);
            continue;
        }
        reminder.time = QTime(*minute / 60, *minute % 60);
        parsed.reminders << reminder;
    }
    return parsed;
}

std::vector<std::pair<QString, QString>> Reminder::entries(const QList<Reminder>& reminders,
                                                           int previousCount) {
    std::vector<std::pair<QString, QString>> result;
    result.emplace_back(QStringLiteral("Count"), QString::number(reminders.size()));
    for (int n = 1; n <= qMax(int(reminders.size()), previousCount); ++n) {
        const Reminder* reminder = n <= reminders.size() ? &reminders.at(n - 1) : nullptr;
        result.emplace_back(key("Text", n), reminder ? reminder->text : QString());
        result.emplace_back(key("Time", n), reminder
                                                ? reminder->time.toString(QStringLiteral("HH:mm"))
                                                : QString());
        result.emplace_back(key("Date", n), reminder && !reminder->daily()
                                                ? reminder->date.toString(Qt::ISODate)
                                                : QString());
        result.emplace_back(key("Speak", n),
                            reminder && reminder->speak ? QStringLiteral("1") : QString());
    }
    return result;
}
