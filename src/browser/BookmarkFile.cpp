#include "browser/BookmarkFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QUrl>

namespace {

// "[InternetShortcut]" and "URL=".
constexpr qsizetype headerLength = 18;
constexpr qsizetype keyLength = 4;
constexpr qsizetype maxAddressLength = 256;

constexpr qsizetype maxNameLength = 100;
// Leaves room for ".url" and the save file's temporary suffix within the 255 bytes a
// file name may hold on common file systems.
constexpr qsizetype maxNameBytes = 200;

BookmarkFile::ReadResult readFailure(const QString& error) {
    return {{}, error};
}

// Shortcut files declare no encoding. UTF-8 is tried first (a leading byte order mark is
// dropped); bytes that are not valid UTF-8 come from a legacy 8-bit file, read as Latin-1,
// which accepts every byte and keeps one character per byte.
QString decoded(const QByteArray& data) {
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(data);
    return utf8.hasError() ? QString::fromLatin1(data) : text;
}

// The last line read when lines are read up to the first one holding "URL".
QString lastLineRead(const QString& text) {
    QString line;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\r'), start);
        if (end < 0) end = text.size();
        line = text.mid(start, end - start);
        if (line.contains(QLatin1String("URL"))) break;
        start = end + 1;
        if (start < text.size() && text.at(start) == QLatin1Char('\n')) ++start;
    }
    return line;
}

// The first `count` characters, one fewer when the cut would split a surrogate pair.
QString leftWhole(const QString& text, qsizetype count) {
    QString left = text.left(count);
    if (left.size() < text.size() && !left.isEmpty() && left.back().isHighSurrogate()) left.chop(1);
    return left;
}

QString addressFromLine(const QString& line) {
    const qsizetype firstLineFeed = line.indexOf(QLatin1Char('\n'));
    if (firstLineFeed == headerLength) {
        const QString rest = line.mid(firstLineFeed + 1 + keyLength);
        // A file whose address line is its last and lacks the LF ends the address with the
        // file, instead of failing as the classic reader did.
        const qsizetype nextLineFeed = rest.indexOf(QLatin1Char('\n'));
        return nextLineFeed < 0 ? rest : rest.left(nextLineFeed);
    }
    return leftWhole(line.mid(keyLength), maxAddressLength);
}

bool isRiskyInFileName(QChar c) {
    return c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c);
}

// Without leading and trailing dots and blanks: hidden files on Unix, silently renamed
// files on Windows.
QString withoutEdgeDots(const QString& text) {
    const auto isEdge = [](QChar c) { return c == QLatin1Char('.') || c.isSpace(); };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isEdge(text.at(begin))) ++begin;
    while (end > begin && isEdge(text.at(end - 1))) --end;
    return text.mid(begin, end - begin);
}

QString shortened(const QString& name) {
    QString result = leftWhole(name, maxNameLength);
    while (result.toUtf8().size() > maxNameBytes) result = leftWhole(result, result.size() - 1);
    return result;
}

QString cleanedName(const QString& text) {
    QString replaced;
    replaced.reserve(text.size());
    for (const QChar c : text) replaced += isRiskyInFileName(c) ? QChar(u' ') : c;
    return withoutEdgeDots(shortened(withoutEdgeDots(replaced.simplified())));
}

}  // namespace

namespace BookmarkFile {

ReadResult read(const QString& path) {
    const QFileInfo info(path);
    // Opening a FIFO or a device could block or never end; a directory is left to the open
    // below so that the platform names the fault.
    if (info.exists() && !info.isFile() && !info.isDir())
        return readFailure(QStringLiteral("%1 is not a regular file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return readFailure(file.errorString());
    const QByteArray data = file.read(maxFileSize + 1);
    if (file.error() != QFileDevice::NoError) return readFailure(file.errorString());
    if (data.size() > maxFileSize)
        return readFailure(QStringLiteral("%1 is too large for a bookmark").arg(path));
    return {addressFromLine(lastLineRead(decoded(data))), {}};
}

QString safeFileName(const QString& title, const QString& address) {
    QString name = cleanedName(title);
    if (name.isEmpty()) name = cleanedName(QUrl(address).host());
    return name.isEmpty() ? QStringLiteral("Bookmark") : name;
}

QString targetPath(const QString& folder, const QString& title, const QString& address) {
    return QDir(folder).filePath(safeFileName(title, address) + QStringLiteral(".url"));
}

QString existingFile(const QString& folder, const QString& title, const QString& address) {
    const QString path = targetPath(folder, title, address);
    return QFileInfo::exists(path) ? path : QString();
}

WriteResult write(const QString& folder, const QString& title, const QString& address,
                  bool overwrite) {
    const QString path = targetPath(folder, title, address);
    if (address.isEmpty()) return {path, QStringLiteral("There is no address to save")};
    if (address.contains(QLatin1Char('\r')) || address.contains(QLatin1Char('\n')))
        return {path, QStringLiteral("The address contains a line break")};
    if (!QDir().mkpath(folder))
        return {path, QStringLiteral("Cannot create the folder %1").arg(folder)};
    if (!overwrite && QFileInfo::exists(path))
        return {path, QStringLiteral("%1 already exists").arg(path)};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {path, file.errorString()};
    file.write(QByteArrayLiteral("[InternetShortcut]\r\nURL=") + address.toUtf8() +
               QByteArrayLiteral("\r\n"));
    if (!file.commit()) return {path, file.errorString()};
    return {path, {}};
}

}  // namespace BookmarkFile
