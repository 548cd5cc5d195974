#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"
#include "state/ToolbarSlots.h"

// The custom-button slots: capacity, the button table, adds and deletions as the store
// sees them, and the row a browser window builds from the same store.
class TestToolbarSlots : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_file;
    std::unique_ptr<SettingsStore> m_store;

    // Slot n holds name n, picture "<name>.ico" and command "run <name>"; an empty name
    // leaves the slot empty in all three sections.
    void storeButtons(const QStringList& names) {
        using namespace SettingsKeys;
        for (int slot = 0; slot < names.size(); ++slot) {
            const QString key = QString::number(slot);
            const ToolbarButton b = button(names[slot]);
            m_store->write(kToolName, key, b.name);
            m_store->write(kToolImage, key, b.picture);
            m_store->write(kToolFileName, key, b.commandLine);
        }
    }
    static ToolbarButton button(const QString& name) {
        if (name.isEmpty()) return {};
        return {name, name + QStringLiteral(".ico"), QStringLiteral("run ") + name};
    }
    ToolbarButton stored(int slot) const {
        using namespace SettingsKeys;
        const QString key = QString::number(slot);
        return {m_store->read(kToolName, key), m_store->read(kToolImage, key),
                m_store->read(kToolFileName, key)};
    }
    // The names of slots 0 to count - 1, each checked to carry its own picture and command.
    QStringList storedNames(int count) const {
        QStringList names;
        for (int slot = 0; slot < count; ++slot) {
            const ToolbarButton b = stored(slot);
            if (b != button(b.name)) return {QStringLiteral("slot %1 torn").arg(slot)};
            names << b.name;
        }
        return names;
    }
    void setCapacity(const QString& amount) {
        m_store->write(SettingsKeys::kButtonCount, SettingsKeys::kAmount, amount);
    }
    static QStringList numbered(int count, int from = 0) {
        QStringList names;
        for (int i = from; i < from + count; ++i) names << QStringLiteral("b%1").arg(i);
        return names;
    }
    static QStringList blanks(int count) { return QStringList(count, QString()); }

private slots:
    void init() {
        m_store.reset();
        static int run = 0;
        m_file = m_dir.path() + QStringLiteral("/store%1.ini").arg(++run);
        m_store = std::make_unique<SettingsStore>(m_file);
    }

    void capacity_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("fallback");
        QTest::newRow("14") << true << "14" << 14 << false;
        QTest::newRow("19") << true << "19" << 19 << false;
        QTest::newRow("24") << true << "24" << 24 << false;
        QTest::newRow("leading spaces") << true << "  19" << 19 << false;
        QTest::newRow("trailing text after the number") << true << "19 buttons" << 19 << false;
        QTest::newRow("leading zeros") << true << "0019" << 19 << false;
        QTest::newRow("1, the smallest") << true << "1" << 1 << false;
        QTest::newRow("25, the whole table") << true << "25" << 25 << false;
        QTest::newRow("missing") << false << "" << 14 << true;
        QTest::newRow("empty") << true << "" << 14 << true;
        QTest::newRow("not a number") << true << "many" << 14 << true;
        QTest::newRow("zero") << true << "0" << 14 << true;
        QTest::newRow("negative") << true << "-19" << 14 << true;
        QTest::newRow("26") << true << "26" << 14 << true;
        QTest::newRow("huge") << true << "99999999999" << 14 << true;
        QTest::newRow("tab before the number") << true << "\t19" << 14 << true;
    }
    void capacity() {
        QFETCH(bool, present);
        QFETCH(QString, amount);
        QFETCH(int, buttons);
        QFETCH(bool, fallback);
        if (present) setCapacity(amount);
        ToolbarSlots toolbar(*m_store);
        toolbar.load();
        QCOMPARE(toolbar.capacity().buttons, buttons);
        QCOMPARE(toolbar.capacity().fallback, fallback);
        QCOMPARE(toolbar.maxButtons(), buttons - 1);
        QCOMPARE(toolbar.storedCapacity().buttons, buttons);
    }

    // The table walks every slot up to MaxButtons, past empty ones, and stops there; the
    // browser row stops at the first empty name and ignores the capacity.
    void loadWalksToMaxButtons() {
        setCapacity(QStringLiteral("14"));
        QStringList names = numbered(3) + blanks(1) + numbered(10, 4);  // slots 0 to 13
        names << QStringLiteral("above");                               // slot 14
        storeButtons(names);
        ToolbarSlots toolbar(*m_store);
        toolbar.load();
        QCOMPARE(toolbar.usedNames(), numbered(3) + numbered(10, 4));
        QVERIFY(toolbar.place(3).isFree());
        QCOMPARE(toolbar.place(13), button(QStringLiteral("b13")));
        QVERIFY(toolbar.place(14).isFree());
        QVERIFY(toolbar.full());
        QCOMPARE(toolbar.findByName(QStringLiteral("b5")), 5);
        QCOMPARE(toolbar.findByName(QStringLiteral("above")), -1);

        const QList<ToolbarButton> row = toolbar.usedRow();
        QCOMPARE(row.size(), 3);
        QCOMPARE(row[2], button(QStringLiteral("b2")));
        QCOMPARE(toolbar.commandLine(4), QStringLiteral("run b4"));
    }

    void add_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("empty store")
            << "14" << QStringList{} << "new" << int(ToolbarSlots::Outcome::Done)
            << (QStringList{"new"} + blanks(14));
        QTest::newRow("after three")
            << "14" << numbered(3) << "new" << int(ToolbarSlots::Outcome::Done)
            << (numbered(3) + QStringList{"new"} + blanks(11));
        QTest::newRow("into the first gap")
            << "14" << QStringList{"a", "", "c"} << "new" << int(ToolbarSlots::Outcome::Done)
            << (QStringList{"a", "new", "c"} + blanks(12));
        QTest::newRow("a second button of one name")
            << "14" << QStringList{"same"} << "same" << int(ToolbarSlots::Outcome::Done)
            << (QStringList{"same", "same"} + blanks(13));
        QTest::newRow("last usable place, slot above untouched")
            << "14" << (numbered(13) + QStringList{"", "above"}) << "new"
            << int(ToolbarSlots::Outcome::Done) << (numbered(13) + QStringList{"new", "above"});
        QTest::newRow("full") << "19" << numbered(19) << "new"
                              << int(ToolbarSlots::Outcome::NoPlace) << numbered(19) + blanks(1);
        QTest::newRow("no name") << "14" << QStringList{} << ""
                                 << int(ToolbarSlots::Outcome::NoPlace) << blanks(14);
        QTest::newRow("unusable count: 14 places")
            << "abc" << numbered(13) << "new" << int(ToolbarSlots::Outcome::Done)
            << (numbered(13) + QStringList{"new"} + blanks(1));
    }
    void add() {
        QFETCH(QString, amount);
        QFETCH(QStringList, before);
        QFETCH(QString, name);
        QFETCH(int, outcome);
        QFETCH(QStringList, after);
        setCapacity(amount);
        storeButtons(before);
        ToolbarSlots toolbar(*m_store);
        toolbar.load();
        QCOMPARE(int(toolbar.add(button(name))), outcome);
        QCOMPARE(storedNames(after.size()), after);
        // The table follows the store without a reload.
        for (int slot = 0; slot <= toolbar.maxButtons(); ++slot)
            QCOMPARE(toolbar.place(slot), stored(slot));
    }

    void removeAt_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("first of five")
            << "14" << numbered(5) << "b0" << (numbered(4, 1) + blanks(10));
        QTest::newRow("middle of five")
            << "14" << numbered(5) << "b2" << (QStringList{"b0", "b1", "b3", "b4"} + blanks(10));
        QTest::newRow("last of a full toolbar")
            << "19" << numbered(19) << "b18" << (numbered(18) + blanks(1));
        QTest::newRow("first of a full toolbar")
            << "24" << numbered(24) << "b0" << (numbered(23, 1) + blanks(1));
        QTest::newRow("slots above MaxButtons untouched, MaxButtons emptied")
            << "14" << numbered(20) << "b0" << (numbered(13, 1) + blanks(1) + numbered(6, 14));
        QTest::newRow("first of two of one name")
            << "14" << QStringList{"x", "same", "y", "same"} << "same"
            << (QStringList{"x", "y", "same"} + blanks(11));
        QTest::newRow("before a gap") << "14" << QStringList{"a", "b", "", "d"} << "a"
                                      << (QStringList{"b", "", "d"} + blanks(11));
    }
    void removeAt() {
        QFETCH(QString, amount);
        QFETCH(QStringList, before);
        QFETCH(QString, deleted);
        QFETCH(QStringList, after);
        setCapacity(amount);
        storeButtons(before);
        ToolbarSlots toolbar(*m_store);
        toolbar.load();
        QCOMPARE(toolbar.removeAt(toolbar.findByName(deleted)), ToolbarSlots::Outcome::Done);
        QCOMPARE(storedNames(after.size()), after);
        QStringList listed = after.mid(0, toolbar.maxButtons() + 1);
        listed.removeAll(QString());
        QCOMPARE(toolbar.usedNames(), listed);
    }

    void removeRefusesFreeAndOutOfRangePlaces() {
        setCapacity(QStringLiteral("14"));
        storeButtons(QStringList{"a", ""} + blanks(12) + QStringList{"above"});
        ToolbarSlots toolbar(*m_store);
        toolbar.load();
        for (int place : {-1, 1, 14, 25})
            QCOMPARE(toolbar.removeAt(place), ToolbarSlots::Outcome::NoPlace);
        QCOMPARE(storedNames(15), QStringList{"a"} + blanks(13) + QStringList{"above"});
    }

    // The editor's section spellings are what reaches the file when the store has no
    // toolbar sections yet; once the sections exist, every spelling lands in them.
    void writtenSectionSpellings_data() {
        QTest::addColumn<bool>("firstStart");
        QTest::addColumn<QStringList>("groups");
        QTest::newRow("fresh store")
            << false << QStringList{"ButtonCount", "ToolFilename", "ToolImage", "Toolname"};
        QTest::newRow("after the first start")
            << true << QStringList{"ButtonCount", "ToolFileName", "ToolImage", "ToolName"};
    }
    void writtenSectionSpellings() {
        QFETCH(bool, firstStart);
        QFETCH(QStringList, groups);
        if (firstStart) QVERIFY(SettingsKeys::runFirstStartIfNeeded(*m_store));
        setCapacity(QStringLiteral("14"));
        ToolbarSlots toolbar(*m_store);
        toolbar.load();
        QCOMPARE(toolbar.add(button(QStringLiteral("Calc"))), ToolbarSlots::Outcome::Done);
        QCOMPARE(toolbar.add(button(QStringLiteral("Web"))), ToolbarSlots::Outcome::Done);

        QSettings file(m_file, QSettings::IniFormat);
        QStringList written = file.childGroups();
        written.removeAll(QStringLiteral("Install"));
        written.removeAll(QStringLiteral("Home"));
        written = written.filter(QRegularExpression(QStringLiteral("^(Tool|Button)")));
        written.sort();
        QCOMPARE(written, groups);
        const QList<ToolbarButton> row = ToolbarSlots(*m_store).usedRow();
        QCOMPARE(row, (QList<ToolbarButton>{button("Calc"), button("Web")}));
    }

    void unwritableStoreIsReported() {
        QFile blocker(m_dir.path() + QStringLiteral("/not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsStore store(blocker.fileName() + QStringLiteral("/Browser.ini"));
        ToolbarSlots toolbar(store);
        toolbar.load();
        QCOMPARE(toolbar.add(button(QStringLiteral("Calc"))), ToolbarSlots::Outcome::NotStored);
        QVERIFY(toolbar.place(0).isFree());
    }
};

QTEST_GUILESS_MAIN(TestToolbarSlots)
#include "tst_toolbarslots.moc"
