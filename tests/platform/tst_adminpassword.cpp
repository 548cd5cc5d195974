#include <QtTest>

#include "platform/AdminPassword.h"

class TestAdminPassword : public QObject {
    Q_OBJECT

private slots:
    void format() {
        const QByteArray salt("0123456789abcdef");
        const QString stored = AdminPassword::hash(QStringLiteral("secret"), salt, 1000);
        const QStringList parts = stored.split(QLatin1Char('$'));
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts[0], QStringLiteral("pbkdf2-sha256"));
        QCOMPARE(parts[1], QStringLiteral("1000"));
        QCOMPARE(QByteArray::fromBase64(parts[2].toLatin1()), salt);
        QCOMPARE(QByteArray::fromBase64(parts[3].toLatin1()).size(), 32);
        // Known answer: PBKDF2-HMAC-SHA256("password", "salt", 1 round), first 32 bytes.
        QCOMPARE(AdminPassword::hash(QStringLiteral("password"), "salt", 1).section('$', 3),
                 QStringLiteral("Eg+2z/z4syxD5yJSVsT4N6hlSMkszDVICAWYfLcL4Xs="));
    }

    void eachHashHasItsOwnSalt() {
        const QString a = AdminPassword::hash(QStringLiteral("secret"), 1000);
        const QString b = AdminPassword::hash(QStringLiteral("secret"), 1000);
        QVERIFY(a != b);
        QVERIFY(AdminPassword::matches(QStringLiteral("secret"), a));
        QVERIFY(AdminPassword::matches(QStringLiteral("secret"), b));
    }

    void matches_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("match");
        const QString good =
            AdminPassword::hash(QStringLiteral("Kiosk ü"), "saltsaltsaltsalt", 500);
        QTest::newRow("right") << "Kiosk ü" << good << true;
        QTest::newRow("wrong case") << "kiosk ü" << good << false;
        QTest::newRow("prefix") << "Kiosk" << good << false;
        QTest::newRow("empty typed") << "" << good << false;
        QTest::newRow("empty stored") << "Kiosk ü"
                                      << "" << false;
        QTest::newRow("other scheme")
            << "Kiosk ü" << QString(good).replace("sha256", "sha1") << false;
        QTest::newRow("zero rounds") << "Kiosk ü" << QString(good).replace("$500$", "$0$") << false;
        QTest::newRow("huge rounds")
            << "Kiosk ü" << QString(good).replace("$500$", "$999999999999$") << false;
        QTest::newRow("bad base64") << "Kiosk ü" << good.section('$', 0, 2) + "$@@@" << false;
        QTest::newRow("short key") << "Kiosk ü" << good.section('$', 0, 2) + "$AAAA" << false;
        QTest::newRow("plain text") << "Kiosk ü"
                                    << "Kiosk ü" << false;
    }

    void matches() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, match);
        QCOMPARE(AdminPassword::matches(typed, stored), match);
    }
};

QTEST_MAIN(TestAdminPassword)
#include "tst_adminpassword.moc"
