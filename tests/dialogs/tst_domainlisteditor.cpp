#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "DatabaseFixture.h"
#include "FormTexts.h"
#include "LockingSettingsStore.h"
#include "TestEnvironment.h"
#include "dialogs/DomainEditorHost.h"
#include "dialogs/DomainListEditor.h"
#include "state/FixedAddresses.h"
#include "state/LinksDatabase.h"

namespace {

const QString kHint = QStringLiteral("Double Click selected record for edit mode.");

struct FakeWizard : DomainEditorHost {
    QString startPage;
    QString startPageText() const override { return startPage; }
};

}  // namespace

class TestDomainListEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    LockingSettingsStore* m_locks = nullptr;
    FakeWizard m_wizard;

    QString database() const { return m_env->appPath() + QStringLiteral("/Links.mdb"); }
    void fillDomains(const QStringList& domains) {
        QVERIFY(TestDatabase::insertEach(
            database(), QStringLiteral("INSERT INTO Domains (URL) VALUES (?)"), domains));
    }
    QStringList storedDomains() const {
        return LinksDatabase(database()).listInKeyOrder(LinksDatabase::Table::Domains).value;
    }
    std::unique_ptr<DomainListEditor> open() {
        AppServices s;
        s.applicationDirectory = m_env->appPath();
        s.settings = m_env->settings.get();
        s.dialogs = &m_env->dialogs;
        return std::make_unique<DomainListEditor>(s, m_wizard);
    }
    template <typename T = QWidget>
    static T* child(const QDialog& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    static QStringList listed(const QDialog& dialog) {
        QStringList texts;
        const auto* list = child<QListWidget>(dialog, "LinkList");
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        return texts;
    }
    static void select(const QDialog& dialog, int row) {
        child<QListWidget>(dialog, "LinkList")->setCurrentRow(row);
    }
    static void doubleClick(const QDialog& dialog) {
        auto* list = child<QListWidget>(dialog, "LinkList");
        emit list->itemDoubleClicked(list->currentItem());
    }
    static void click(const QDialog& dialog, const char* name) {
        child<QPushButton>(dialog, name)->click();
    }
    // The enabled controls by name, and "URL" when the text box can be typed in.
    static QString states(const QDialog& dialog) {
        QStringList on;
        for (const char* name :
             {"NewRec", "AddRec", "DeleteRec", "CancelAddNew", "SaveEdit", "BackToReg", "LinkList"})
            if (child(dialog, name)->isEnabled()) on << QString::fromLatin1(name);
        if (!child<QLineEdit>(dialog, "URL")->isReadOnly()) on << QStringLiteral("URL");
        return on.join(QLatin1Char(' '));
    }

private slots:
    void init() {
        m_env = std::make_unique<TestEnvironment>();
        auto store = std::make_unique<LockingSettingsStore>(m_env->iniFile());
        m_locks = store.get();
        m_env->settings = std::move(store);
        QVERIFY(LinksDatabase::createEmpty(database()).isEmpty());
        m_wizard.startPage.clear();
    }

    void fixedTexts_data() {
        FormTexts::addColumns();
        using FormTexts::row;
        row("Form8", "DomainListEditor", "Allowable Domains [NO USE \"HTTP://\" OR\" WWW/\" HERE]");
        row("ButtonFrame", "QGroupBox", "Add - Edit - Delete Allowable Domains");
        row("URLFrame", "QGroupBox", "Domain address OR file path and file name:");
        row("LinkList", "QListWidget", {});
        row("URL", "QLineEdit", {});
        row("NewRec", "QPushButton", "New Record");
        row("AddRec", "QPushButton", "Add To List", {}, false);
        row("DeleteRec", "QPushButton", "Delete From List");
        row("SaveEdit", "QPushButton", "Save Edited Record", {}, false);
        row("CancelAddNew", "QPushButton", "Cancel Add New", {}, false);
        row("BackToReg", "QPushButton", "Stop Edit Mode", {}, false);
        row("Example", "QPushButton", "Example:");
        row("Command1", "QPushButton", "&Close");
        row("TheSort", "QMenu", "&Sort");
        row("Ascend", "QAction", "&Ascending");
        row("Descend", "QAction", "&Descending");
        row("FontSize", "QMenu", "&Font Size");
        row("Size8", "QAction", "8");
        row("Size10", "QAction", "10");
        row("Size12", "QAction", "12");
    }

    void fixedTexts() {
        fillDomains({QStringLiteral("school.example")});
        const auto editor = open();
        FormTexts::check(editor.get());
        QCOMPARE(child<QAction>(*editor, "Ascend")->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(child<QAction>(*editor, "Descend")->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+D")));
        QVERIFY(editor->sizeHint().width() <= 640 && editor->sizeHint().height() <= 480);
    }

    // Commands in order, each followed by the states it leaves.
    void modeTable_data() {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QStringList>("expected");
        const QString browsing = QStringLiteral("NewRec DeleteRec LinkList");
        const QString adding = QStringLiteral("AddRec CancelAddNew URL");
        const QString editing = QStringLiteral("SaveEdit BackToReg LinkList URL");
        QTest::newRow("load") << QStringList{} << QStringList{};
        QTest::newRow("new, cancel")
            << QStringList{"NewRec", "CancelAddNew"} << QStringList{adding, browsing};
        QTest::newRow("new, add empty, add") << QStringList{"NewRec", "AddRec", "type", "AddRec"}
                                             << QStringList{adding, adding, adding, browsing};
        QTest::newRow("edit, stop") << QStringList{"select", "DoubleClick", "BackToReg"}
                                    << QStringList{browsing, editing, browsing};
        QTest::newRow("edit, save") << QStringList{"select", "DoubleClick", "type", "SaveEdit"}
                                    << QStringList{browsing, editing, editing, browsing};
        QTest::newRow("double click on nothing")
            << QStringList{"DoubleClick"} << QStringList{browsing};
        QTest::newRow("failed add, then back")
            << QStringList{"refuse adds", "NewRec",      "type",     "AddRec",
                           "select",      "DoubleClick", "BackToReg"}
            << QStringList{browsing,          adding,  adding,  "AddRec LinkList",
                           "AddRec LinkList", editing, browsing};
        QTest::newRow("sort and font keep the mode")
            << QStringList{"NewRec", "Ascend", "Size12"} << QStringList{adding, adding, adding};
    }

    void modeTable() {
        QFETCH(QStringList, commands);
        QFETCH(QStringList, expected);
        fillDomains({QStringLiteral("school.example"), QStringLiteral("museum.example")});
        const auto editor = open();
        QCOMPARE(states(*editor), QStringLiteral("NewRec DeleteRec LinkList"));
        for (int i = 0; i < commands.size(); ++i) {
            const QString& command = commands[i];
            if (command == "select") {
                select(*editor, 0);
            } else if (command == "type") {
                child<QLineEdit>(*editor, "URL")->setText(QStringLiteral("zoo.example"));
            } else if (command == "DoubleClick") {
                doubleClick(*editor);
            } else if (command == "refuse adds") {
                QVERIFY(TestDatabase::execute(
                    database(), QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Domains "
                                               "BEGIN SELECT RAISE(ABORT, 'adds refused'); END")));
            } else if (command == "Ascend" || command == "Size12") {
                child<QAction>(*editor, qPrintable(command))->trigger();
            } else {
                click(*editor, qPrintable(command));
            }
            QCOMPARE(states(*editor), expected[i]);
        }
    }

    void addAndEditStoreExactlyWhatWasTyped() {
        const auto editor = open();
        click(*editor, "NewRec");
        child<QLineEdit>(*editor, "URL")->setText(QStringLiteral(" Mixed.Case/ "));
        click(*editor, "AddRec");
        QCOMPARE(storedDomains(), QStringList{" Mixed.Case/ "});
        QCOMPARE(listed(*editor), QStringList{" Mixed.Case/ "});
        QCOMPARE(child<QLineEdit>(*editor, "URL")->text(), QString());
        select(*editor, 0);
        QCOMPARE(child<QLineEdit>(*editor, "URL")->text(), QStringLiteral(" Mixed.Case/ "));
    }

    void countLines_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("0") << QStringList{} << kHint + " No domains on file."
                           << QStringList{
                                  "No current record. This message will not appear once a "
                                  "domain has been entered."};
        QTest::newRow("1") << QStringList{"a.example"} << kHint + " (Only 1 domain listed.)"
                           << QStringList{};
        QTest::newRow("2") << QStringList{"a.example", "b.example"}
                           << kHint + " (2 domains listed.)" << QStringList{};
    }

    void countLines() {
        QFETCH(QStringList, rows);
        QFETCH(QString, line);
        QFETCH(QStringList, messages);
        fillDomains(rows);
        const auto editor = open();
        QCOMPARE(child<QLabel>(*editor, "Label1")->text(), line);
        QCOMPARE(m_env->dialogs.messages, messages);
        QCOMPARE(listed(*editor), rows);
        QVERIFY(child<QLineEdit>(*editor, "URL")->isReadOnly());
    }

    void missingDatabaseIsReported() {
        QVERIFY(QFile::remove(database()));
        const auto editor = open();
        QCOMPARE(m_env->dialogs.messages.size(), 1);
        QVERIFY(m_env->dialogs.messages.first().endsWith(
            QStringLiteral(" This message will not appear once a domain has been entered.")));
        QCOMPARE(child<QLabel>(*editor, "Label1")->text(), kHint + " No domains on file.");
    }

    void startPageWarning_data() {
        QTest::addColumn<QString>("startPage");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("part of the start page")
            << "http://www.school.example/index.html"
            << QStringList{
                   "The deletion was listed as part of the default home page "
                   "designation. Unless the default home page is changed, on startup "
                   "school.example will be allowed.  Please make a note of it. "};
        QTest::newRow("other letter case") << "http://www.SCHOOL.example/" << QStringList{};
        QTest::newRow("elsewhere") << "http://museum.example/" << QStringList{};
    }

    void startPageWarning() {
        QFETCH(QString, startPage);
        QFETCH(QStringList, messages);
        fillDomains({QStringLiteral("museum.example"), QStringLiteral("school.example")});
        m_wizard.startPage = startPage;
        const auto editor = open();
        select(*editor, 1);
        click(*editor, "DeleteRec");
        QCOMPARE(m_env->dialogs.messages, messages);
        QCOMPARE(storedDomains(), QStringList{"museum.example"});
        QCOMPARE(listed(*editor), QStringList{"museum.example"});
        QCOMPARE(child<QLabel>(*editor, "Label1")->text(), kHint + " (Only 1 domain listed.)");
    }

    void twoRowsWithOneText() {
        fillDomains({QStringLiteral("same.example"), QStringLiteral("same.example"),
                     QStringLiteral("other.example")});
        const auto editor = open();
        select(*editor, 1);
        doubleClick(*editor);
        child<QLineEdit>(*editor, "URL")->setText(QStringLiteral("changed.example"));
        click(*editor, "SaveEdit");
        // The first of the two rows in natural order changes, whichever line was chosen.
        QCOMPARE(storedDomains(),
                 (QStringList{"changed.example", "same.example", "other.example"}));
        select(*editor, 1);
        click(*editor, "DeleteRec");
        QCOMPARE(storedDomains(), (QStringList{"changed.example", "other.example"}));
    }

    void savingAfterSelectingAnotherLine() {
        fillDomains({QStringLiteral("a.example"), QStringLiteral("b.example")});
        const auto editor = open();
        select(*editor, 0);
        doubleClick(*editor);
        select(*editor, 1);
        QCOMPARE(child<QLineEdit>(*editor, "URL")->text(), QStringLiteral("b.example"));
        child<QLineEdit>(*editor, "URL")->setText(QStringLiteral("c.example"));
        click(*editor, "SaveEdit");
        QCOMPARE(storedDomains(), (QStringList{"a.example", "c.example"}));
    }

    void aRowGoneMeanwhileIsReportedAndReloaded() {
        fillDomains({QStringLiteral("a.example"), QStringLiteral("b.example")});
        const auto editor = open();
        QVERIFY(TestDatabase::execute(
            database(), QStringLiteral("DELETE FROM Domains WHERE URL = 'b.example'")));
        select(*editor, 1);
        QCOMPARE(m_env->dialogs.messages, QStringList{LinksDatabase::noCurrentRecordError()});
        QCOMPARE(listed(*editor), QStringList{"a.example"});
    }

    void sorts() {
        fillDomains({QStringLiteral("b.example"), QStringLiteral("C.example"),
                     QStringLiteral("a.example")});
        const auto editor = open();
        const QString line = child<QLabel>(*editor, "Label1")->text();
        select(*editor, 0);
        child<QAction>(*editor, "Ascend")->trigger();
        QCOMPARE(listed(*editor), (QStringList{"C.example", "a.example", "b.example"}));
        QCOMPARE(child<QLineEdit>(*editor, "URL")->text(), QString());
        child<QAction>(*editor, "Descend")->trigger();
        QCOMPARE(listed(*editor), (QStringList{"b.example", "a.example", "C.example"}));
        QCOMPARE(child<QLabel>(*editor, "Label1")->text(), line);
        // The next change restores key order.
        click(*editor, "NewRec");
        child<QLineEdit>(*editor, "URL")->setText(QStringLiteral("d.example"));
        click(*editor, "AddRec");
        QCOMPARE(listed(*editor),
                 (QStringList{"b.example", "C.example", "a.example", "d.example"}));
    }

    void fontSizes() {
        const auto editor = open();
        for (const char* size : {"Size12", "Size8", "Size10"}) {
            child<QAction>(*editor, size)->trigger();
            const int points = QByteArray(size + 4).toInt();
            QCOMPARE(child(*editor, "URL")->font().pointSize(), points);
            QCOMPARE(child(*editor, "LinkList")->font().pointSize(), points);
        }
    }

    void exampleText() {
        fillDomains({QStringLiteral("school.example")});
        const auto editor = open();
        click(*editor, "Example");
        QCOMPARE(m_env->dialogs.messages, QStringList{DomainListEditor::exampleText()});
        const QString text = DomainListEditor::exampleText();
        QVERIFY(text.startsWith(QStringLiteral("If you wanted to allow visitation to www.")));
        QVERIFY(
            text.contains(QStringLiteral("\"Http:// \", \"FTP://\" and other prefix entries "
                                         "will cripple the entry.  On-Line help is available at ") +
                          FixedAddresses::vendorHelp() + QLatin1Char('.')));
    }

    void lockedListIsReadOnly() {
        fillDomains({QStringLiteral("db.example")});
        m_locks->lockDomains({QStringLiteral("school.example"), QStringLiteral("library.example")});
        const auto editor = open();
        QCOMPARE(listed(*editor), (QStringList{"school.example", "library.example"}));
        QCOMPARE(child<QLabel>(*editor, "Label1")->text(), kHint + " (2 domains listed.)");
        QCOMPARE(states(*editor), QStringLiteral("LinkList"));
        select(*editor, 1);
        QCOMPARE(child<QLineEdit>(*editor, "URL")->text(), QStringLiteral("library.example"));
        doubleClick(*editor);
        QCOMPARE(states(*editor), QStringLiteral("LinkList"));
        child<QAction>(*editor, "Ascend")->trigger();
        QCOMPARE(listed(*editor), (QStringList{"library.example", "school.example"}));
        QCOMPARE(storedDomains(), QStringList{"db.example"});
    }
};

QTEST_MAIN(TestDomainListEditor)
#include "tst_domainlisteditor.moc"
