#pragma once

#include <QDate>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QTime>
#include <functional>
#include <vector>

// A reminder: a text shown (and, where chosen, spoken) at a time of day, every day or once
// on a date. Reminders are kept in the settings section `Reminders`:
//   Count     how many reminders there are
//   Text<n>   the text of reminder n (1..Count)
//   Time<n>   "HH:MM", local time
//   Date<n>   "YYYY-MM-DD" for once on that date; empty for every day
//   Speak<n>  "1" to have the text spoken as well
struct Reminder {
    QString text;
    QTime time;
    QDate date;  // null: daily
    bool speak = false;

    bool daily() const { return date.isNull(); }
    // "daily at 12:30" or "once on 2026-06-10 at 12:30".
    QString describe() const;

    static inline const QString kSection = QStringLiteral("Reminders");
    static constexpr int kMaxCount = 100;

    struct Parsed {
        QList<Reminder> reminders;
        QStringList problems;  // one line per reminder left out, and why
    };
    using Reader = std::function<QString(const QString& key)>;
    // A reminder without a text or with a time or date not understood is left out.
    static Parsed parse(const Reader& read);
    // The keys and values that store `reminders`; `previousCount` old entries are cleared.
    static std::vector<std::pair<QString, QString>> entries(const QList<Reminder>& reminders,
                                                            int previousCount);
};

Q_DECLARE_METATYPE(Reminder)
