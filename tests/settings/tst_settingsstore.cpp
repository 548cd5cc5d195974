#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"

class TestSettingsStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_file;
    std::unique_ptr<SettingsStore> m_store;

    void reopen() { m_store = std::make_unique<SettingsStore>(m_file); }
    static void writeFile(const QString& name, const QByteArray& text) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    QString lockedSystemFile(const QByteArray& text) const {
        const QString name =
            m_dir.path() + QStringLiteral("/%1-system.ini").arg(QTest::currentTestFunction());
        writeFile(name, text);
        return name;
    }
    QString fileText() const {
        QFile file(m_file);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void init() {
        m_file = m_dir.path() +
                 QStringLiteral("/%1/Zelvo/Browser.ini").arg(QTest::currentTestFunction());
        QFile::remove(m_file);
        reopen();
    }

    void defaultFileFollowsXdgConfigHome() {
        qputenv("XDG_CONFIG_HOME", "/tmp/zelvo-config");
        QCOMPARE(SettingsStore::defaultFile(),
                 QStringLiteral("/tmp/zelvo-config/Zelvo/Browser.ini"));
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(
            SettingsStore::defaultFile().endsWith(QStringLiteral("/.config/Zelvo/Browser.ini")));
    }

    void freshStoreReadsEmpty() {
        QCOMPARE(m_store->read(SettingsKeys::kHome, SettingsKeys::kFirstKey), QString());
        QCOMPARE(m_store->read(QStringLiteral("NoSuchSection"), QStringLiteral("x")), QString());
        QVERIFY(!QFile::exists(m_file));
    }

    void namesMatchWithoutRegardToCase_data() {
        QTest::addColumn<QString>("writeSection");
        QTest::addColumn<QString>("writeKey");
        QTest::addColumn<QString>("readSection");
        QTest::addColumn<QString>("readKey");
        QTest::newRow("Toolname/ToolName") << "Toolname"
                                           << "3"
                                           << "ToolName"
                                           << "3";
        QTest::newRow("ToolFilename/ToolFileName") << "ToolFilename"
                                                   << "0"
                                                   << "ToolFileName"
                                                   << "0";
        QTest::newRow("EMail/Email") << "EMail"
                                     << "Selection"
                                     << "Email"
                                     << "Selection";
        QTest::newRow("key case") << "Disney"
                                  << "only"
                                  << "DISNEY"
                                  << "Only";
    }

    void namesMatchWithoutRegardToCase() {
        QFETCH(QString, writeSection);
        QFETCH(QString, writeKey);
        QFETCH(QString, readSection);
        QFETCH(QString, readKey);
        QVERIFY(m_store->write(readSection, readKey, QStringLiteral("old")));
        QVERIFY(m_store->write(writeSection, writeKey, QStringLiteral("value")));
        QCOMPARE(m_store->read(readSection, readKey), QStringLiteral("value"));
        reopen();
        QCOMPARE(m_store->read(readSection, readKey), QStringLiteral("value"));
        QCOMPARE(m_store->read(writeSection, writeKey), QStringLiteral("value"));
        // One value, not two spellings side by side.
        QCOMPARE(fileText().count(QStringLiteral("value")), 1);
    }

    void handWrittenFileIsReadInAnySpelling() {
        QDir().mkpath(QFileInfo(m_file).path());
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[toolname]\n0=Calculator\n[HOME]\n1=http://example.org/\n");
        file.close();
        reopen();
        QCOMPARE(m_store->read(SettingsKeys::kToolName, QStringLiteral("0")),
                 QStringLiteral("Calculator"));
        QCOMPARE(m_store->read(SettingsKeys::kHome, SettingsKeys::kFirstKey),
                 QStringLiteral("http://example.org/"));
    }

    // Blanks around a hand-written value go unless double quotes keep them.
    void handWrittenBlanksAreKeptOnlyInQuotes_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("value");
        QTest::newRow("unquoted") << QByteArray("Only= 1 ") << QStringLiteral("1");
        QTest::newRow("quoted") << QByteArray("Only=\" 1\"") << QStringLiteral(" 1");
    }

    void handWrittenBlanksAreKeptOnlyInQuotes() {
        QFETCH(QByteArray, line);
        QFETCH(QString, value);
        QDir().mkpath(QFileInfo(m_file).path());
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Disney]\n" + line + "\n");
        file.close();
        reopen();
        QCOMPARE(m_store->read(SettingsKeys::kDisney, SettingsKeys::kOnly), value);
    }

    void valuesSurviveRestartUnchanged_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("line breaks") << QStringLiteral("First line\nSecond line\r\nThird  line\n");
        QTest::newRow("ini syntax") << QStringLiteral("a, b; c = [d] \"e\" \\f @g #h");
        QTest::newRow("leading and trailing blanks") << QStringLiteral("  padded  ");
        QTest::newRow("long") << QString(100000, QLatin1Char('x'));
        QTest::newRow("non-ASCII") << QStringLiteral("Kindergarten Zürich – \u00e9t\u00e9");
    }

    void valuesSurviveRestartUnchanged() {
        QFETCH(QString, value);
        QVERIFY(m_store->write(SettingsKeys::kDisclaimer, SettingsKeys::kFirstKey, value));
        reopen();
        QCOMPARE(m_store->read(SettingsKeys::kDisclaimer, SettingsKeys::kFirstKey), value);
    }

    void writeReachesTheDiskBeforeReturning() {
        m_store->write(SettingsKeys::kHome, SettingsKeys::kFirstKey,
                       QStringLiteral("http://kids.example/"));
        QVERIFY(fileText().contains(QStringLiteral("http://kids.example/")));
    }

    // The first start fills in the keys without a value and keeps what a prepared file holds.
    void firstStartWritesSlotsZeroToHundredOnce() {
        m_store->write(SettingsKeys::kToolName, QStringLiteral("101"), QStringLiteral("kept"));
        m_store->write(SettingsKeys::kToolName, QStringLiteral("100"), QStringLiteral("prepared"));
        m_store->write(SettingsKeys::kHome, SettingsKeys::kFirstKey, QStringLiteral("http://old/"));
        QVERIFY(SettingsKeys::runFirstStartIfNeeded(*m_store));

        QSettings raw(m_file, QSettings::IniFormat);
        for (const char* section :
             {SettingsKeys::kToolName, SettingsKeys::kToolImage, SettingsKeys::kToolFileName}) {
            raw.beginGroup(QLatin1String(section));
            QStringList keys = raw.childKeys();
            keys.removeAll(QStringLiteral("101"));
            QCOMPARE(keys.size(), 101);
            for (int slot = 0; slot <= 100; ++slot) {
                QVERIFY(keys.contains(QString::number(slot)));
                const bool prepared = slot == 100 && raw.group() == QLatin1String("ToolName");
                QCOMPARE(raw.value(QString::number(slot)).toString(),
                         prepared ? QStringLiteral("prepared") : QString());
            }
            raw.endGroup();
        }
        QCOMPARE(m_store->read(SettingsKeys::kToolName, QStringLiteral("101")),
                 QStringLiteral("kept"));
        QCOMPARE(m_store->read(SettingsKeys::kHome, SettingsKeys::kFirstKey),
                 QStringLiteral("http://old/"));

        m_store->write(SettingsKeys::kHome, SettingsKeys::kFirstKey, QStringLiteral("http://new/"));
        reopen();
        QVERIFY(!SettingsKeys::runFirstStartIfNeeded(*m_store));
        QCOMPARE(m_store->read(SettingsKeys::kHome, SettingsKeys::kFirstKey),
                 QStringLiteral("http://new/"));
    }

    // An administrator's Browser.ini copied in place before the first start keeps its policy.
    void firstStartKeepsAPreparedFile() {
        QDir().mkpath(QFileInfo(m_file).path());
        writeFile(m_file,
                  "[Restriction]\nAllowed=Yes\n[ManualBrowsing]\nAllowed=1\n"
                  "[Home]\n1=http://school.example/\n[Toolname]\n0=Mail\n");
        reopen();
        QVERIFY(SettingsKeys::runFirstStartIfNeeded(*m_store));
        reopen();
        using namespace SettingsKeys;
        QCOMPARE(m_store->read(kRestriction, kAllowed), QStringLiteral("Yes"));
        QCOMPARE(m_store->read(kManualBrowsing, kAllowed), QStringLiteral("1"));
        QCOMPARE(m_store->read(kHome, kFirstKey), QStringLiteral("http://school.example/"));
        QCOMPARE(m_store->read(kToolName, QStringLiteral("0")), QStringLiteral("Mail"));
        QCOMPARE(m_store->read(kDisney, kOnly), QString());
        QCOMPARE(m_store->read(kInstall, kFirstStartDone), QStringLiteral("1"));
    }

    void lockedKeyWinsOverTheUsersFile() {
        using namespace SettingsKeys;
        const QString system = lockedSystemFile(
            "[restriction]\nallowed=Yes\n[Home]\n1=http://school.example/\n"
            "[Disney]\nOnly=\n");
        m_store = std::make_unique<SettingsStore>(m_file, system);
        QVERIFY(m_store->isLocked(QStringLiteral("Restriction"), QStringLiteral("Allowed")));
        QVERIFY(m_store->isLocked(QStringLiteral("DISNEY"), QStringLiteral("only")));
        QVERIFY(!m_store->isLocked(kManualBrowsing, kAllowed));

        // Whatever the user's file holds or lacks.
        QCOMPARE(m_store->read(kRestriction, kAllowed), QStringLiteral("Yes"));
        QVERIFY(!m_store->write(kRestriction, kAllowed, QStringLiteral("No")));
        QVERIFY(!m_store->write(kDisney, kOnly, QStringLiteral("1")));
        QVERIFY(m_store->write(kManualBrowsing, kAllowed, QStringLiteral("0")));
        QVERIFY(!fileText().contains(QStringLiteral("Restriction")));
        QVERIFY(!fileText().contains(QStringLiteral("Disney")));
        writeFile(m_file, "[Restriction]\nAllowed=No\n[Disney]\nOnly=1\n");
        m_store = std::make_unique<SettingsStore>(m_file, system);
        QCOMPARE(m_store->read(kRestriction, kAllowed), QStringLiteral("Yes"));
        QCOMPARE(m_store->read(kDisney, kOnly), QString());

        // A deleted user file brings back the first start, which leaves locked keys alone.
        QVERIFY(QFile::remove(m_file));
        m_store = std::make_unique<SettingsStore>(m_file, system);
        QVERIFY(SettingsKeys::runFirstStartIfNeeded(*m_store));
        SettingsKeys::reinitialise(*m_store, QStringLiteral("file:///problem.html"));
        QCOMPARE(m_store->read(kRestriction, kAllowed), QStringLiteral("Yes"));
        QCOMPARE(m_store->read(kHome, kFirstKey), QStringLiteral("http://school.example/"));
        QVERIFY(!fileText().contains(QStringLiteral("[Restriction]")));
        QVERIFY(!fileText().contains(QStringLiteral("[Home]")));
        QVERIFY(fileText().contains(QStringLiteral("[ManualBrowsing]")));
    }

    void lockedDomains_data() {
        QTest::addColumn<QByteArray>("systemText");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QStringList>("domains");
        QTest::newRow("no section")
            << QByteArray("[Restriction]\nAllowed=Yes\n") << false << QStringList{};
        QTest::newRow("in order, up to the first gap")
            << QByteArray("[domains]\n2=kids.example\n1=/lessons/\n4=gap.example\n") << true
            << QStringList{"/lessons/", "kids.example"};
    }

    void lockedDomains() {
        QFETCH(QByteArray, systemText);
        QFETCH(bool, locked);
        QFETCH(QStringList, domains);
        const SettingsStore store(m_file, lockedSystemFile(systemText));
        QCOMPARE(store.lockedDomains().has_value(), locked);
        QCOMPARE(store.lockedDomains().value_or(QStringList{}), domains);
        QVERIFY(!SettingsStore(m_file).lockedDomains().has_value());
    }

    void firstStartAndReinitialiseWriteTheSameKeysInOrder() {
        const auto first = SettingsKeys::firstStartEntries();
        const auto reset =
            SettingsKeys::reinitialiseEntries(QStringLiteral("file:///problem.html"));
        QCOMPARE(first.size(), size_t(1 + 9 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 303 + 1));
        QCOMPARE(reset.size(), first.size());
        for (size_t i = 0; i < first.size(); ++i) {
            QCOMPARE(first[i].section, reset[i].section);
            QCOMPARE(first[i].key, reset[i].key);
            const bool isHome = first[i].section == QLatin1String(SettingsKeys::kHome);
            QCOMPARE(reset[i].value, isHome ? QStringLiteral("file:///problem.html") : QString());
            QCOMPARE(first[i].value, QString());
        }
        QCOMPARE(first.front().section, QStringLiteral("AboutImage"));
        QCOMPARE(first[first.size() - 2].section, QStringLiteral("ToolName"));
        QCOMPARE(first[first.size() - 2].key, QStringLiteral("100"));
        QCOMPARE(first.back().section, QStringLiteral("Version"));
    }

    void reinitialiseKeepsButtonCountAndMarker() {
        SettingsKeys::runFirstStartIfNeeded(*m_store);
        m_store->write(SettingsKeys::kButtonCount, SettingsKeys::kAmount, QStringLiteral("19"));
        m_store->write(SettingsKeys::kCompanyInfo, QStringLiteral("9"), QStringLiteral("www"));
        SettingsKeys::reinitialise(*m_store, QStringLiteral("file:///problem.html"));
        QCOMPARE(m_store->read(SettingsKeys::kButtonCount, SettingsKeys::kAmount),
                 QStringLiteral("19"));
        QCOMPARE(m_store->read(SettingsKeys::kCompanyInfo, QStringLiteral("9")), QString());
        QCOMPARE(m_store->read(SettingsKeys::kHome, SettingsKeys::kFirstKey),
                 QStringLiteral("file:///problem.html"));
        QVERIFY(!SettingsKeys::runFirstStartIfNeeded(*m_store));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
