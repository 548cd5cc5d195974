#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "browser/BookmarkFile.h"

// Prepares a path in the given folder for BookmarkFile::read.
using Setup = std::function<QString(const QDir&)>;

Q_DECLARE_METATYPE(Setup)

namespace {

bool writeBytes(const QString& path, const QByteArray& contents) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Setup fileWith(const QByteArray& contents) {
    return [contents](const QDir& dir) {
        const QString path = dir.filePath(QStringLiteral("fixture.url"));
        return writeBytes(path, contents) ? path : QString();
    };
}

QString platformOpenError(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}

}  // namespace

class BookmarkFileTest : public QObject {
    Q_OBJECT

private slots:
    void readGivesTheAddress_data();
    void readGivesTheAddress();
    void readFails_data();
    void readFails();
    void writeThenReadGivesTheAddress_data();
    void writeThenReadGivesTheAddress();
    void writeUsesTheShortcutFormatInANewFolder();
    void writeRefuses_data();
    void writeRefuses();
    void existingFileIsReplacedOnlyWhenAsked();
    void safeFileName_data();
    void safeFileName();
};

void BookmarkFileTest::readGivesTheAddress_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("address");

    const QByteArray longTail(300, 'x');
    const QByteArray bareLfOtherHeader = "[Shortcut]\nURL=http://example.org/" + longTail + "\n";

    QTest::newRow("crlf, address on the second line")
        << QByteArray("[InternetShortcut]\r\nURL=http://example.org/a\r\nIconIndex=0\r\n")
        << QStringLiteral("http://example.org/a");
    QTest::newRow("cr only") << QByteArray("[InternetShortcut]\rURL=http://example.org/a\r")
                             << QStringLiteral("http://example.org/a");
    QTest::newRow("bare lf behind the 18-character header")
        << QByteArray("[InternetShortcut]\nURL=http://example.org/a\nIconIndex=0\n")
        << QStringLiteral("http://example.org/a");
    QTest::newRow("bare lf, address line last without its lf")
        << QByteArray("[InternetShortcut]\nURL=http://example.org/a")
        << QStringLiteral("http://example.org/a");
    QTest::newRow("bare lf behind another header: characters 5 to 260 of the text")
        << bareLfOtherHeader << QString::fromLatin1(bareLfOtherHeader.mid(4, 256));
    QTest::newRow("crlf, long address line keeps 256 characters")
        << QByteArray("[InternetShortcut]\r\nURL=http://example.org/" + longTail + "\r\n")
        << QString::fromLatin1(("http://example.org/" + longTail).left(256));
    QTest::newRow("the 256-character cut does not split a character")
        << QByteArray("URL=" + QByteArray(255, 'a') + "\xf0\x9f\x98\x80")
        << QString(255, QLatin1Char('a'));
    QTest::newRow("stops at the first line holding URL")
        << QByteArray("[InternetShortcut]\r\nURL=http://a.example/\r\nURL=http://b.example/\r\n")
        << QStringLiteral("http://a.example/");
    QTest::newRow("lower-case url does not stop: last line used")
        << QByteArray("[InternetShortcut]\r\nurl=http://a.example/\r\nKEY=http://b.example/\r\n")
        << QStringLiteral("http://b.example/");
    QTest::newRow("utf-8") << QByteArray("URL=http://example.org/caf\xc3\xa9\r\n")
                           << QStringLiteral("http://example.org/caf\u00e9");
    QTest::newRow("invalid utf-8 read as latin-1")
        << QByteArray("URL=http://example.org/caf\xe9\r\n")
        << QStringLiteral("http://example.org/caf\u00e9");
    QTest::newRow("utf-8 byte order mark is not part of the header")
        << QByteArray("\xef\xbb\xbf[InternetShortcut]\nURL=http://example.org/a\n")
        << QStringLiteral("http://example.org/a");
    QTest::newRow("empty file: no address") << QByteArray() << QString();
    QTest::newRow("key without address")
        << QByteArray("[InternetShortcut]\r\nURL=\r\n") << QString();
}

void BookmarkFileTest::readGivesTheAddress() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, address);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fixture.url"));
    QVERIFY(writeBytes(path, contents));

    const BookmarkFile::ReadResult result = BookmarkFile::read(path);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.address, address);
}

void BookmarkFileTest::readFails_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<bool>("platformText");

    QTest::newRow("larger than the cap")
        << fileWith("URL=" + QByteArray(BookmarkFile::maxFileSize, 'x')) << false;
    QTest::newRow("missing file") << Setup([](const QDir& dir) {
        return dir.filePath(QStringLiteral("absent.url"));
    }) << true;
    QTest::newRow("directory") << Setup([](const QDir& dir) { return dir.path(); }) << true;
    QTest::newRow("fifo without writer") << Setup([](const QDir& dir) {
        const QString path = dir.filePath(QStringLiteral("pipe.url"));
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    }) << false;
}

void BookmarkFileTest::readFails() {
    QFETCH(Setup, setup);
    QFETCH(bool, platformText);
    const QTemporaryDir dir;
    const QString path = setup(QDir(dir.path()));
    QVERIFY(!path.isEmpty());

    const BookmarkFile::ReadResult result = BookmarkFile::read(path);
    QVERIFY(!result.ok());
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(result.address, QString());
    if (platformText) QCOMPARE(result.error, platformOpenError(path));
}

void BookmarkFileTest::writeThenReadGivesTheAddress_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("address");

    QTest::newRow("plain") << QStringLiteral("Example") << QStringLiteral("http://example.org/");
    QTest::newRow("query and non-ascii")
        << QStringLiteral("Caf\u00e9 menu")
        << QStringLiteral("https://example.org/caf\u00e9?q=a b&URL=x");
    QTest::newRow("no title") << QString() << QStringLiteral("ftp://files.example.org/pub");
}

void BookmarkFileTest::writeThenReadGivesTheAddress() {
    QFETCH(QString, title);
    QFETCH(QString, address);
    const QTemporaryDir dir;

    const BookmarkFile::WriteResult written = BookmarkFile::write(dir.path(), title, address);
    QCOMPARE(written.error, QString());
    QCOMPARE(written.path, BookmarkFile::targetPath(dir.path(), title, address));

    const BookmarkFile::ReadResult result = BookmarkFile::read(written.path);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.address, address);
}

void BookmarkFileTest::writeUsesTheShortcutFormatInANewFolder() {
    const QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Favorites/News"));

    const BookmarkFile::WriteResult written = BookmarkFile::write(
        folder, QStringLiteral("Example"), QStringLiteral("http://example.org/"));
    QCOMPARE(written.error, QString());
    QCOMPARE(written.path, folder + QStringLiteral("/Example.url"));
    QCOMPARE(readBytes(written.path),
             QByteArray("[InternetShortcut]\r\nURL=http://example.org/\r\n"));
}

void BookmarkFileTest::writeRefuses_data() {
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("address");

    QTest::newRow("empty address") << QStringLiteral("Favorites") << QString();
    QTest::newRow("line break in the address")
        << QStringLiteral("Favorites") << QStringLiteral("http://example.org/\r\nIconFile=x");
    QTest::newRow("folder is a file")
        << QStringLiteral("plain-file/Favorites") << QStringLiteral("http://example.org/");
}

void BookmarkFileTest::writeRefuses() {
    QFETCH(QString, folderName);
    QFETCH(QString, address);
    const QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("plain-file")), "not a folder"));
    const QString folder = dir.filePath(folderName);

    const BookmarkFile::WriteResult written =
        BookmarkFile::write(folder, QStringLiteral("Example"), address);
    QVERIFY(!written.ok());
    QVERIFY(!QFileInfo::exists(written.path));
}

void BookmarkFileTest::existingFileIsReplacedOnlyWhenAsked() {
    const QTemporaryDir dir;
    const QString title = QStringLiteral("Example");
    const QString first = QStringLiteral("http://first.example/");
    const QString second = QStringLiteral("http://second.example/");

    QCOMPARE(BookmarkFile::existingFile(dir.path(), title, first), QString());
    QVERIFY(BookmarkFile::write(dir.path(), title, first).ok());
    const QString path = BookmarkFile::targetPath(dir.path(), title, first);
    QCOMPARE(BookmarkFile::existingFile(dir.path(), title, second), path);

    QVERIFY(!BookmarkFile::write(dir.path(), title, second).ok());
    QCOMPARE(BookmarkFile::read(path).address, first);

    QVERIFY(BookmarkFile::write(dir.path(), title, second, true).ok());
    QCOMPARE(BookmarkFile::read(path).address, second);
}

void BookmarkFileTest::safeFileName_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");

    const QString site = QStringLiteral("https://www.example.org/page");
    const QString longCjk(300, QChar(0x9875));

    QTest::newRow("slashes") << QStringLiteral("a/b\\c") << site << QStringLiteral("a b c");
    QTest::newRow("colons and wildcards")
        << QStringLiteral("News: *Today* <live>?") << site << QStringLiteral("News Today live");
    QTest::newRow("quotes and pipes")
        << QStringLiteral("say \"hi\" | bye") << site << QStringLiteral("say hi bye");
    QTest::newRow("control characters")
        << QStringLiteral("tab\there\nnew\x01line") << site << QStringLiteral("tab here new line");
    QTest::newRow("leading dots") << QStringLiteral("...hidden") << site
                                  << QStringLiteral("hidden");
    QTest::newRow("surrounding dots and blanks")
        << QStringLiteral("  . name . ") << site << QStringLiteral("name");
    QTest::newRow("runs of blanks") << QStringLiteral("a    b") << site << QStringLiteral("a b");
    QTest::newRow("non-ascii kept") << QStringLiteral("Caf\u00e9 \u2013 Men\u00fc") << site
                                    << QStringLiteral("Caf\u00e9 \u2013 Men\u00fc");
    QTest::newRow("empty title gives the host")
        << QString() << site << QStringLiteral("www.example.org");
    QTest::newRow("only risky characters give the host")
        << QStringLiteral("/:/..") << site << QStringLiteral("www.example.org");
    QTest::newRow("no title and no host")
        << QString() << QStringLiteral("about:blank") << QStringLiteral("Bookmark");
    QTest::newRow("very long title")
        << QString(300, QLatin1Char('x')) << site << QString(100, QLatin1Char('x'));
    QTest::newRow("cut at a blank is trimmed")
        << QString(99, QLatin1Char('x')) + QStringLiteral(" yyy") << site
        << QString(99, QLatin1Char('x'));
    QTest::newRow("long multi-byte title fits the file system")
        << longCjk << site << longCjk.left(66);
}

void BookmarkFileTest::safeFileName() {
    QFETCH(QString, title);
    QFETCH(QString, address);
    QFETCH(QString, name);
    QCOMPARE(BookmarkFile::safeFileName(title, address), name);
}

QTEST_GUILESS_MAIN(BookmarkFileTest)
#include "tst_bookmarkfile.moc"
