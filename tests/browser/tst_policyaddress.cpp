#include <QtTest>

#include "browser/PolicyAddress.h"

// How the policy reads an address, and how a log row is written.
class TestPolicyAddress : public QObject {
    Q_OBJECT

private slots:
    void searchableText_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("searchable");
        QTest::addColumn<QString>("text");
        QTest::newRow("http, whole")
            << "http://a.example/p?q#f" << true << "http://a.example/p?q#f";
        QTest::newRow("HTTPS in capitals") << "HTTPS://a.example/" << true << "HTTPS://a.example/";
        QTest::newRow("typed without scheme") << "kids.example/a" << true << "kids.example/a";
        QTest::newRow("file, path only")
            << "file:///srv/ok/a.html?ok#ok" << true << "/srv/ok/a.html";
        QTest::newRow("local path") << "/srv/ok/a.html" << true << "/srv/ok/a.html";
        QTest::newRow("javascript") << "javascript:alert(1)" << false << "";
        QTest::newRow("chrome") << "chrome://gpu/" << false << "";
        QTest::newRow("view-source") << "view-source:http://a.example/" << false << "";
        QTest::newRow("data") << "data:text/html,x" << false << "";
        QTest::newRow("about") << "about:blank" << false << "";
        QTest::newRow("ftp") << "ftp://a.example/" << false << "";
    }

    void searchableText() {
        QFETCH(QString, address);
        QFETCH(bool, searchable);
        QFETCH(QString, text);
        const auto result = PolicyAddress::searchableText(address);
        QCOMPARE(result.has_value(), searchable);
        if (searchable) QCOMPARE(*result, text);
    }

    void forLog_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("logged");
        QTest::newRow("plain") << "http://a.example/%20x y"
                               << "http://a.example/%20x y";
        QTest::newRow("line break and tab") << "a\nb\tc\r"
                                            << "a%0Ab%09c%0D";
        QTest::newRow("right-to-left override")
            << QString::fromUtf8("http://a/\u202Etxt.exe") << "http://a/%E2%80%AEtxt.exe";
        QTest::newRow("isolates and marks")
            << QString::fromUtf8("\u2066\u2069\u200F\u061C") << "%E2%81%A6%E2%81%A9%E2%80%8F%D8%9C";
        QTest::newRow("delete and C1") << QString::fromUtf8("a\x7f\u0085") << "a%7F%C2%85";
        QTest::newRow("other letters kept") << QString::fromUtf8("http://a/\u00e9\u4e2d")
                                            << QString::fromUtf8("http://a/\u00e9\u4e2d");
    }

    void forLog() {
        QFETCH(QString, text);
        QFETCH(QString, logged);
        QCOMPARE(PolicyAddress::forLog(text), logged);
    }
};

QTEST_GUILESS_MAIN(TestPolicyAddress)
#include "tst_policyaddress.moc"
