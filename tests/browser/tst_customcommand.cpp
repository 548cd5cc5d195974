#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "browser/CustomCommand.h"
#include "platform/QtProcessLauncher.h"

namespace {

// Writes each argument followed by '|' to out.txt beside itself.
const char argumentsScript[] = "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/out.txt\"\n";

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool writeScript(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(argumentsScript) > 0 &&
           file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ExeOwner);
}

}  // namespace

class CustomCommandTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void isWebAddress_data();
    void isWebAddress();
    void launchStartsADetachedProcess_data();
    void launchStartsADetachedProcess();
    void launchFailsQuietly_data();
    void launchFailsQuietly();
};

// A failed launch must not print anything either.
void CustomCommandTest::init() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void CustomCommandTest::isWebAddress_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("webAddress");

    QTest::newRow("lower-case http") << QStringLiteral("http://example.org/") << true;
    QTest::newRow("https") << QStringLiteral("HTTPS://EXAMPLE.ORG/") << true;
    QTest::newRow("www without scheme") << QStringLiteral("www.example.org") << true;
    QTest::newRow("ftp") << QStringLiteral("ftp://files.example.org/pub") << true;
    QTest::newRow("DOC in a folder name") << QStringLiteral("/home/Documents/app") << true;
    QTest::newRow("WWW in a folder name") << QStringLiteral("/opt/wwwtools/run") << true;
    QTest::newRow("editor with a .txt path") << QStringLiteral("notepad /home/a/notes.txt") << true;
    QTest::newRow(".asp") << QStringLiteral("intranet/login.asp") << true;
    QTest::newRow(".xls") << QStringLiteral("/srv/share/budget.xls") << true;
    QTest::newRow("lower-case html") << QStringLiteral("/srv/pages/index.html") << true;
    QTest::newRow("htm") << QStringLiteral("/srv/pages/index.htm") << true;
    QTest::newRow("calc") << QStringLiteral("calc") << false;
    QTest::newRow("program with arguments") << QStringLiteral("/usr/bin/xterm -e top") << false;
    QTest::newRow("scheme without slashes") << QStringLiteral("http:example") << false;
    QTest::newRow("empty") << QString() << false;
    // The README's two shell examples: the first would navigate, the second launches.
    QTest::newRow("shell writing a .txt file")
        << QStringLiteral("sh -c \"fortune > /tmp/today.txt\"") << true;
    QTest::newRow("README launcher example")
        << QStringLiteral("sh -c \"fortune > /tmp/fortune.log\"") << false;
}

void CustomCommandTest::isWebAddress() {
    QFETCH(QString, commandLine);
    QFETCH(bool, webAddress);
    QCOMPARE(CustomCommand::isWebAddress(commandLine), webAddress);
}

void CustomCommandTest::launchStartsADetachedProcess_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("output");

    // %1 is a folder whose name holds a space, with args.sh in it.
    QTest::newRow("shell with a quoted script")
        << QStringLiteral("sh -c \"echo started > '%1/out.txt'\"") << QStringLiteral("started\n");
    QTest::newRow("quoted program path with a space")
        << QStringLiteral("\"%1/args.sh\" one \"two words\"") << QStringLiteral("one|two words|");
    QTest::newRow("three quotes give a literal quote")
        << QStringLiteral("\"%1/args.sh\" \"\"\"quoted\"\"\"") << QStringLiteral("\"quoted\"|");
    QTest::newRow("nothing is expanded")
        << QStringLiteral("\"%1/args.sh\" $HOME * 'a b'") << QStringLiteral("$HOME|*|'a|b'|");
}

void CustomCommandTest::launchStartsADetachedProcess() {
    QFETCH(QString, commandLine);
    QFETCH(QString, output);
    const QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("my tools"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeScript(folder + QStringLiteral("/args.sh")));

    QtProcessLauncher launcher;
    QVERIFY(launcher.launch(commandLine.arg(folder)));
    QTRY_COMPARE(fileText(folder + QStringLiteral("/out.txt")), output);
}

void CustomCommandTest::launchFailsQuietly_data() {
    QTest::addColumn<QString>("commandLine");

    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("   ");
    QTest::newRow("only quotes") << QStringLiteral("\"\"");
    QTest::newRow("missing program path") << QStringLiteral("/nonexistent/zelvo-tool --help");
    QTest::newRow("program not on PATH") << QStringLiteral("zelvo-no-such-tool --help");
}

void CustomCommandTest::launchFailsQuietly() {
    QFETCH(QString, commandLine);
    QtProcessLauncher launcher;
    QVERIFY(!launcher.launch(commandLine));
}

QTEST_GUILESS_MAIN(CustomCommandTest)
#include "tst_customcommand.moc"
