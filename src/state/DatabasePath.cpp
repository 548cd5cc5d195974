#include "DatabasePath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace DatabasePath {

namespace {

QString withForwardSlashes(const QString& callerPath) {
    static const QRegularExpression repeatedSeparators(QStringLiteral("/{2,}"));
    QString path = callerPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    path.replace(repeatedSeparators, QStringLiteral("/"));
    return path;
}

}  // namespace

QString resolve(const QString& callerPath) {
    const QString path = withForwardSlashes(callerPath);
    const QFileInfo wanted(path);
    if (wanted.isFile()) return path;

    const QString name = wanted.fileName();
    const QStringList entries = wanted.dir().entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return path.left(path.size() - name.size()) + entry;
    }
    return path;
}

bool exists(const QString& callerPath) {
    return QFileInfo(resolve(callerPath)).isFile();
}

}  // namespace DatabasePath
