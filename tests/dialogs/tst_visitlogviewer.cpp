#include <QAction>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "DatabaseFixture.h"
#include "FormTexts.h"
#include "TestEnvironment.h"
#include "dialogs/VisitLogModel.h"
#include "dialogs/VisitLogViewer.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"

class TestVisitLogViewer : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;

    QString database() const { return m_env->appPath() + QStringLiteral("/Links.mdb"); }
    void log(const QStringList& addresses) {
        QVERIFY(TestDatabase::insertEach(
            database(), QStringLiteral("INSERT INTO Visited (Visited) VALUES (?)"), addresses));
    }
    std::unique_ptr<VisitLogViewer> open() {
        AppServices s;
        s.applicationDirectory = m_env->appPath();
        s.settings = m_env->settings.get();
        s.dialogs = &m_env->dialogs;
        return std::make_unique<VisitLogViewer>(s);
    }
    template <typename T = QWidget>
    static T* child(const QDialog& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    static QString countLine(const QDialog& viewer) {
        return child<QLabel>(viewer, "Label1")->text();
    }
    // Every row, fetching pages as a view scrolling to the end would.
    static QStringList allRows(const VisitLogViewer& viewer) {
        auto& model = const_cast<VisitLogModel&>(viewer.model());
        while (model.canFetchMore({})) model.fetchMore({});
        QStringList rows;
        for (int i = 0; i < model.rowCount(); ++i) rows << model.index(i).data().toString();
        return rows;
    }
    static void trigger(const QDialog& viewer, const char* action) {
        child<QAction>(viewer, action)->trigger();
    }

private slots:
    void init() {
        m_env = std::make_unique<TestEnvironment>();
        QVERIFY(LinksDatabase::createEmpty(database()).isEmpty());
    }

    void fixedTexts_data() {
        FormTexts::addColumns();
        using FormTexts::row;
        row("frmTip1", "VisitLogViewer", "Configure your Icon.  It'll appear HERE Too!");
        row("Visitations", "QListView", {});
        row("cmdOK", "QPushButton", "OK");
        row("Sortit", "QMenu", "&Sort");
        row("Ascend", "QAction", "&Ascending");
        row("Descend", "QAction", "&Descending");
        row("FontSize", "QMenu", "&Font");
        row("Size8", "QAction", "8");
        row("Size10", "QAction", "10");
        row("Size12", "QAction", "12");
    }

    void fixedTexts() {
        const auto viewer = open();
        FormTexts::check(viewer.get());
        QVERIFY(child<QPushButton>(*viewer, "cmdOK")->isDefault());
        QCOMPARE(child<QAction>(*viewer, "Ascend")->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(child<QAction>(*viewer, "Descend")->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+D")));
        QVERIFY(viewer->sizeHint().width() <= 640 && viewer->sizeHint().height() <= 480);
    }

    void titleNamesTheCompany() {
        QVERIFY(m_env->settings->write(SettingsKeys::kCompanyInfo, SettingsKeys::kFirstKey,
                                       QStringLiteral("Hillside School")));
        QCOMPARE(open()->windowTitle(), QStringLiteral("Hillside School Log File"));
    }

    void countLines_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("line");
        QTest::newRow("0") << QStringList{} << "The log file has no record of any web browsing.";
        QTest::newRow("1") << QStringList{"http://a/"}
                           << "The log file has a record of only 1 visit.";
        QTest::newRow("2 alike") << QStringList{"http://a/", "http://a/"}
                                 << "The log file has a record of 2 visits.";
    }

    void countLines() {
        QFETCH(QStringList, rows);
        QFETCH(QString, line);
        log(rows);
        const auto viewer = open();
        QCOMPARE(countLine(*viewer), line);
        QCOMPARE(allRows(*viewer), rows);
    }

    void unreadableLog_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a database") << QByteArray("this is not a database file, just text");
    }

    void unreadableLog() {
        QFETCH(QByteArray, content);
        QVERIFY(QFile::remove(database()));
        if (!content.isEmpty()) QVERIFY(TestDatabase::writeBytes(database(), content));
        const auto viewer = open();
        QCOMPARE(countLine(*viewer), VisitLogViewer::unreadableLine());
        QCOMPARE(allRows(*viewer), QStringList());
        trigger(*viewer, "Descend");
        QCOMPARE(allRows(*viewer), QStringList());
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void sortsAndSnapshot() {
        log({"http://b/", "http://c/", "http://a/ RESTRICTION ATTEMPT", "http://b/"});
        const auto viewer = open();
        const QString line = countLine(*viewer);
        // Logged by another window while the viewer is open: not shown until a sort.
        QVERIFY(LinksDatabase(database()).appendVisit(QStringLiteral("http://0/")).isEmpty());
        QCOMPARE(allRows(*viewer), (QStringList{"http://b/", "http://c/",
                                                "http://a/ RESTRICTION ATTEMPT", "http://b/"}));
        trigger(*viewer, "Ascend");
        QCOMPARE(allRows(*viewer), (QStringList{"http://0/", "http://a/ RESTRICTION ATTEMPT",
                                                "http://b/", "http://b/", "http://c/"}));
        trigger(*viewer, "Descend");
        QCOMPARE(allRows(*viewer), (QStringList{"http://c/", "http://b/", "http://b/",
                                                "http://a/ RESTRICTION ATTEMPT", "http://0/"}));
        QCOMPARE(countLine(*viewer), line);
    }

    // Pages join without a gap or a repeat, also where equal texts straddle a page boundary.
    void pagesJoinExactly_data() {
        QTest::addColumn<QString>("order");
        QTest::newRow("natural") << "";
        QTest::newRow("ascending") << "Ascend";
        QTest::newRow("descending") << "Descend";
    }

    void pagesJoinExactly() {
        QFETCH(QString, order);
        QStringList rows = TestDatabase::numbered(QStringLiteral("http://n/%1"), 300);
        for (int i = 0; i < 2 * VisitLogModel::kPageSize; ++i)
            rows << QStringLiteral("http://same/");
        rows += TestDatabase::numbered(QStringLiteral("http://m/%1"), 100);
        log(rows);
        const auto viewer = open();
        QCOMPARE(viewer->model().rowCount(), VisitLogModel::kPageSize);
        if (!order.isEmpty()) trigger(*viewer, qPrintable(order));
        QStringList expected = rows;
        if (order == "Ascend") std::stable_sort(expected.begin(), expected.end());
        if (order == "Descend")
            std::stable_sort(expected.begin(), expected.end(), std::greater<QString>());
        QCOMPARE(allRows(*viewer), expected);
        QCOMPARE(countLine(*viewer),
                 QStringLiteral("The log file has a record of %1 visits.").arg(rows.size()));
    }

    void fontAndBoldToggle() {
        const auto viewer = open();
        auto* list = child<QListView>(*viewer, "Visitations");
        const int height = list->height();
        QVERIFY(!list->font().bold());
        viewer->toggleBold();
        QVERIFY(list->font().bold());
        QCOMPARE(list->font().pointSize(), 16);
        trigger(*viewer, "Size12");
        QVERIFY(list->font().bold());
        QCOMPARE(list->font().pointSize(), 12);
        viewer->toggleBold();
        QVERIFY(!list->font().bold());
        QCOMPARE(list->font().pointSize(), 8);
        trigger(*viewer, "Size10");
        QCOMPARE(list->font().pointSize(), 10);
        QCOMPARE(list->height(), height);
    }

    void enterAndEscClose_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void enterAndEscClose() {
        QFETCH(int, key);
        const auto viewer = open();
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
        QTest::keyClick(viewer.get(), Qt::Key(key));
        QTRY_VERIFY(!viewer->isVisible());
    }
};

QTEST_MAIN(TestVisitLogViewer)
#include "tst_visitlogviewer.moc"
