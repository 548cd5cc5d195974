#include "platform/DialogService.h"

#include <QStringList>

DialogService::~DialogService() = default;

QString DialogService::toQtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
        // Qt reads the patterns from the last parentheses, so a description that shows other
        // patterns than it filters gets the real ones after it.
        filters << (parts[i].endsWith(shown) ? parts[i] : parts[i] + QLatin1Char(' ') + shown);
    }
    return filters.join(QStringLiteral(";;"));
}
