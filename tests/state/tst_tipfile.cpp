#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "DatabaseFixture.h"
#include "state/TipFile.h"

// The tip file's reader and the add-tip appender, on the bytes of real files.
class TipFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString tipFile() const { return TipFile::path(m_dir.path()); }

private slots:
    void init() {
        QFile::remove(tipFile());
        QDir(tipFile()).removeRecursively();
    }

    void linesFollowTheLineRules_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("tips");
        const QStringList ab{"a", "b"};
        QTest::newRow("CR LF after each") << QByteArray("a\r\nb\r\n") << ab;
        QTest::newRow("trailing empty line adds an empty tip")
            << QByteArray("a\r\nb\r\n\r\n") << QStringList{"a", "b", ""};
        QTest::newRow("last line without an end") << QByteArray("a\r\nb") << ab;
        QTest::newRow("CR alone") << QByteArray("a\rb\r") << ab;
        QTest::newRow("LF alone, as desktop editors write") << QByteArray("a\nb\n") << ab;
        QTest::newRow("LF CR is two line ends")
            << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("one line") << QByteArray("only tip") << QStringList{"only tip"};
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("empty lines are tips") << QByteArray("\r\n\r\n") << QStringList{"", ""};
        QTest::newRow("verbatim: blanks, quotes, markup")
            << QByteArray("  \"Hello\"  \r\n<b>x</b>") << QStringList{"  \"Hello\"  ", "<b>x</b>"};
        QTest::newRow("UTF-8 with a byte-order mark") << QByteArray(
                                                             "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
                                                             "e\r\n")
                                                      << QStringList{"Grüße"};
    }
    void linesFollowTheLineRules() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, tips);
        QVERIFY(TestDatabase::writeBytes(tipFile(), bytes));
        const std::optional<QStringList> read = TipFile::read(tipFile());
        QVERIFY(read.has_value());
        QCOMPARE(*read, tips);
    }

    void missingFileReadsAsNothing() {
        QVERIFY(!TipFile::read(tipFile()).has_value());
        QVERIFY(!TipFile::read(QString()).has_value());
    }

    // chmod 000 does not stop root from reading, so a directory of the tip file's name
    // stands for a file that exists but cannot be read.
    void unreadableFileReadsAsMissing() {
        QVERIFY(QDir().mkpath(tipFile()));
        QVERIFY(QFileInfo::exists(tipFile()));
        QVERIFY(!TipFile::read(tipFile()).has_value());
    }

    void appendedTipIsExactBytes_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("Hello, no file yet")
            << QByteArray() << "Hello" << QByteArray("\"Hello\"\r\n");
        QTest::newRow("cancelled or empty") << QByteArray() << "" << QByteArray("\"\"\r\n");
        QTest::newRow("after a complete line")
            << QByteArray("a\r\n") << "Hello" << QByteArray("a\r\n\"Hello\"\r\n");
        QTest::newRow("after a last line without an end")
            << QByteArray("a") << "Hello" << QByteArray("a\r\n\"Hello\"\r\n");
        QTest::newRow("quotes inside are kept")
            << QByteArray() << "say \"hi\"" << QByteArray("\"say \"hi\"\"\r\n");
        QTest::newRow("line breaks inside stay one tip")
            << QByteArray() << "a\r\nb\nc" << QByteArray("\"a b c\"\r\n");
        QTest::newRow("UTF-8") << QByteArray() << "Grüße"
                               << QByteArray(
                                      "\"Gr\xC3\xBC\xC3\x9F"
                                      "e\"\r\n");
    }
    void appendedTipIsExactBytes() {
        QFETCH(QByteArray, before);
        QFETCH(QString, answer);
        QFETCH(QByteArray, after);
        if (!before.isEmpty()) QVERIFY(TestDatabase::writeBytes(tipFile(), before));
        QVERIFY(TipFile::appendTip(tipFile(), answer));
        QCOMPARE(TestDatabase::readBytes(tipFile()), after);
    }

    void appendedTipIsReadBackWithItsQuotes() {
        QVERIFY(TestDatabase::writeBytes(tipFile(), "first\r\n"));
        QVERIFY(TipFile::appendTip(tipFile(), QStringLiteral("Hello")));
        QCOMPARE(*TipFile::read(tipFile()), (QStringList{"first", "\"Hello\""}));
    }

    void appendToUnwritablePlaceFails() {
        QVERIFY(QDir().mkpath(tipFile()));
        QVERIFY(!TipFile::appendTip(tipFile(), QStringLiteral("Hello")));
    }
};

QTEST_GUILESS_MAIN(TipFileTest)
#include "tst_tipfile.moc"
