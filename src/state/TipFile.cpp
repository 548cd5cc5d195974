#include "state/TipFile.h"

#include <QFile>
#include <QFileInfo>

namespace TipFile {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

bool endsWithLineEnd(QFile& file) {
    if (file.size() == 0) return true;
    if (!file.seek(file.size() - 1)) return true;
    char last = 0;
    if (!file.getChar(&last)) return true;
    return last == '\r' || last == '\n';
}

}  // namespace

QString path(const QString& applicationDirectory) {
    return applicationDirectory + QStringLiteral("/T34.txt");
}

QStringList splitTips(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

    QStringList tips;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        tips << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size()) tips << text.mid(start);
    return tips;
}

std::optional<QStringList> read(const QString& file) {
    if (file.isEmpty() || !QFileInfo(file).isFile()) return std::nullopt;
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = input.readAll();
    if (input.error() != QFileDevice::NoError) return std::nullopt;
    return splitTips(bytes);
}

QByteArray tipLine(const QString& answer) {
    QString tip = answer;
    tip.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    tip.replace(QLatin1Char('\r'), QLatin1Char(' '));
    tip.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return '"' + tip.toUtf8() + '"' + kLineEnd;
}

bool appendTip(const QString& file, const QString& answer) {
    QFile output(file);
    if (!output.open(QIODevice::ReadWrite)) return false;
    const bool needsLineEnd = !endsWithLineEnd(output);
    if (!output.seek(output.size())) return false;
    const QByteArray bytes = (needsLineEnd ? kLineEnd : QByteArray()) + tipLine(answer);
    return output.write(bytes) == bytes.size() && output.flush();
}

}  // namespace TipFile
