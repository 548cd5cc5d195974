#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QtTest>

#include "FakeWebComponent.h"
#include "TestEnvironment.h"
#include "app/FrameWindow.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"
#include "browser/BrowserWindow.h"
#include "state/FixedAddresses.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"

using namespace SettingsKeys;

class TestFrame : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;

    std::unique_ptr<FrameWindow> makeFrame(int workAreaPixels = 600) {
        BrowserContext c = m_env->context(FakeWebComponent::factory());
        auto frame = std::make_unique<FrameWindow>(c);
        frame->setWorkAreaMeasure([workAreaPixels] { return workAreaPixels * 15; });
        return frame;
    }
    QString appFile(const QString& name) const {
        return m_env->appPath() + QLatin1Char('/') + name;
    }
    void createDatabase() {
        QVERIFY(LinksDatabase::createEmpty(appFile(QStringLiteral("Links.mdb"))).isEmpty());
    }
    static QStringList windowKinds(const FrameWindow& frame) {
        QStringList kinds;
        for (QMdiSubWindow* sub : frame.mdiArea()->subWindowList())
            kinds << sub->widget()->objectName();
        return kinds;
    }

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void splash() {
        QCOMPARE(Startup::splashPause(), 2500LL * 2000LL);
        SplashWindow splash;
        QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
        auto* version = splash.findChild<QLabel*>(QStringLiteral("lblVersion"));
        QVERIFY(version);
        QCOMPARE(version->text(), QStringLiteral("Version 3.0.0"));
    }

    void missingDatabaseOpensNoWindowAndSaysSoEachTime() {
        auto frame = makeFrame();
        frame->load();
        QVERIFY(frame->dataBaseMissing());
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 0);
        const QString expected = FrameWindow::databaseMissingMessage(m_env->appPath());
        QCOMPARE(m_env->dialogs.messages, QStringList{expected});
        QCOMPARE(
            expected,
            QStringLiteral("The database file \"LINKS.MDB\" is missing from the ") +
                m_env->appPath() +
                QStringLiteral(" subdirectory.  Locate this file and place in this directory.  "
                               "If the file is unavailable, visit \"") +
                FixedAddresses::databaseDownload() +
                QStringLiteral("\" and download the file.  This program will not operate "
                               "correctly without the file."));
        frame->newBrowser();
        QCOMPARE(m_env->dialogs.messages, (QStringList{expected, expected}));
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 0);
        QVERIFY(!QFile::exists(appFile(QStringLiteral("crush.mdb"))));
    }

    void presentDatabaseIsCompactedAndOneWindowOpens() {
        createDatabase();
        LinksDatabase db(appFile(QStringLiteral("Links.mdb")));
        QVERIFY(db.addLink(QStringLiteral("Library"), QStringLiteral("http://library.example/"))
                    .isEmpty());
        QVERIFY(db.appendVisit(QStringLiteral("http://a.example/")).isEmpty());
        // Visits that the log held once and lost again leave free pages worth reclaiming.
        for (int i = 0; i < 200; ++i) {
            QVERIFY(db.appendVisit(QStringLiteral("http://gone.example/%1").arg(i).repeated(20))
                        .isEmpty());
        }
        QVERIFY(db.clearLog().isEmpty());
        QVERIFY(db.appendVisit(QStringLiteral("http://a.example/")).isEmpty());
        const qint64 sizeBefore = QFileInfo(appFile(QStringLiteral("Links.mdb"))).size();
        auto frame = makeFrame();
        frame->load();
        QVERIFY(QFileInfo(appFile(QStringLiteral("Links.mdb"))).size() < sizeBefore / 4);
        QVERIFY(!frame->dataBaseMissing());
        QVERIFY(m_env->dialogs.messages.isEmpty());
        QCOMPARE(windowKinds(*frame), QStringList{QStringLiteral("ZD")});
        QVERIFY(!QFile::exists(appFile(QStringLiteral("crush.mdb"))));
        QCOMPARE(db.listInKeyOrder(LinksDatabase::Table::Links).value,
                 QStringList{QStringLiteral("Library")});
        QCOMPARE(db.count(LinksDatabase::Table::Visited).value, 1);
    }

    void databaseNameMatchesWithoutRegardToCase() {
        QVERIFY(LinksDatabase::createEmpty(appFile(QStringLiteral("links.mdb"))).isEmpty());
        auto frame = makeFrame();
        frame->load();
        QVERIFY(!frame->dataBaseMissing());
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 1);
    }

    void layoutFollowsWorkAreaHeight_data() {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<QString>("kind");
        QTest::newRow("479") << 479 << "ZD2";
        QTest::newRow("480") << 480 << "ZD2";
        QTest::newRow("481") << 481 << "ZD";
        QTest::newRow("767") << 767 << "ZD";
        QTest::newRow("768") << 768 << "ZD3";
        QTest::newRow("1024") << 1024 << "ZD3";
    }

    void layoutFollowsWorkAreaHeight() {
        QFETCH(int, pixels);
        QFETCH(QString, kind);
        createDatabase();
        auto frame = makeFrame(pixels);
        frame->load();
        frame->newBrowser();
        QCOMPARE(windowKinds(*frame), (QStringList{kind, kind}));
        QCOMPARE(
            QLatin1String(LayoutProfile::of(LayoutProfile::forWorkAreaHeight(pixels * 15)).name),
            kind);
    }

    // The caption and icon come from a prepared store, which the first start keeps.
    void captionAndIconBeforeFirstStart() {
        createDatabase();
        QPixmap picture(16, 16);
        picture.fill(Qt::red);
        const QString icon = appFile(QStringLiteral("school.png"));
        QVERIFY(picture.save(icon));
        m_env->settings->write(kCompanyInfo, kFirstKey, QStringLiteral("Greenfield  School"));
        m_env->settings->write(kIcon, kFirstKey, icon);
        auto frame = makeFrame();
        frame->load();
        QCOMPARE(frame->windowTitle(), QStringLiteral("Greenfield  School"));
        QVERIFY(!frame->windowIcon().isNull());
        QCOMPARE(m_env->settings->read(kCompanyInfo, kFirstKey),
                 QStringLiteral("Greenfield  School"));
        QCOMPARE(m_env->settings->read(kInstall, kFirstStartDone), QStringLiteral("1"));
    }

    void emptyOrUnloadableIconAndCaption() {
        createDatabase();
        SettingsKeys::runFirstStartIfNeeded(*m_env->settings);
        auto frame = makeFrame();
        const QString defaultCaption = frame->windowTitle();
        frame->load();
        QCOMPARE(frame->windowTitle(), defaultCaption);
        QVERIFY(frame->windowIcon().isNull());

        m_env->settings->write(kIcon, kFirstKey, appFile(QStringLiteral("missing.ico")));
        auto second = makeFrame();
        QPixmap builtIn(16, 16);
        builtIn.fill(Qt::blue);
        second->setWindowIcon(QIcon(builtIn));
        second->load();
        QVERIFY(!second->windowIcon().isNull());
    }

    // The active browser window's menus stand in the frame's menu bar, as in any
    // multiple-document program; with no window open, the frame's own command is back.
    void activeWindowMenusInTheFrame() {
        createDatabase();
        auto frame = makeFrame();
        frame->load();
        frame->show();
        QTRY_VERIFY(frame->mdiArea()->activeSubWindow());
        QStringList captions;
        for (QAction* action : frame->menuBar()->actions()) captions << action->text();
        QCOMPARE(captions, (QStringList{"&File", "&Edit", "&Info", "&Email", "W&izard",
                                        "&BookMarks", "&ToolBars", "&Window"}));
        // The bare command on the bar works from the frame's bar too.
        frame->menuBar()->actions().at(4)->trigger();
        QCOMPARE(m_env->forms.capacities, QStringList{"19"});
        QVERIFY(frame->mdiArea()->activeSubWindow()->isMaximized());
        frame->mdiArea()->closeAllSubWindows();
        QTRY_COMPARE(frame->menuBar()->actions().size(), 1);
        QCOMPARE(frame->menuBar()->actions().first()->objectName(), QStringLiteral("NewBrowser"));
        frame->menuBar()->actions().first()->trigger();
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 1);
    }

    // "W&izard" stands on the bar without a drop-down; the keyboard reaches it as it reaches
    // the menus: F10 or Alt, then the arrow keys, then Enter.
    void wizardFromTheKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Alt") << int(Qt::Key_Alt);
        QTest::newRow("F10") << int(Qt::Key_F10);
    }

    void wizardFromTheKeyboard() {
        QFETCH(int, key);
        createDatabase();
        auto frame = makeFrame();
        frame->load();
        frame->show();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        QTRY_VERIFY(QApplication::focusWidget());
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus, Qt::Key(key));
        QTRY_VERIFY(frame->menuBar()->activeAction() || QApplication::activePopupWidget());
        for (int i = 0; i < 4; ++i) {
            QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                                : frame->menuBar();
            QTest::keyClick(target, Qt::Key_Right);
        }
        QTRY_COMPARE(frame->menuBar()->activeAction()->text(), QStringLiteral("W&izard"));
        QVERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(frame->menuBar(), Qt::Key_Return);
        QCOMPARE(m_env->forms.capacities, QStringList{"19"});
    }

    // "&Info" and "W&izard" share their letter: Alt+I opens Info, and pressed again while
    // Info is open, runs the Wizard.
    void sharedMnemonicOfInfoAndWizard() {
        createDatabase();
        auto frame = makeFrame();
        frame->load();
        frame->show();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        QTRY_VERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("Info"));
        QVERIFY(m_env->forms.opened.isEmpty());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(m_env->forms.opened, QStringList{"Form1"});
        QVERIFY(!QApplication::activePopupWidget());
    }

    // Three windows over the frame's client area: cascaded, stacked one above another,
    // side by side. The first window starts maximized and is restored first.
    void arrangements_data() {
        QTest::addColumn<int>("arrangement");
        QTest::newRow("cascade") << int(WindowArrangement::Cascade);
        QTest::newRow("tile horizontally") << int(WindowArrangement::TileHorizontally);
        QTest::newRow("tile vertically") << int(WindowArrangement::TileVertically);
    }

    void arrangements() {
        QFETCH(int, arrangement);
        createDatabase();
        auto frame = makeFrame();
        frame->resize(800, 600);
        frame->load();
        frame->show();
        frame->openBrowserWindow(ProfileKind::ZD);
        BrowserWindow* last = frame->openBrowserWindow(ProfileKind::ZD);
        const QList<QMdiSubWindow*> windows = frame->mdiArea()->subWindowList();
        QCOMPARE(windows.size(), 3);
        QTRY_VERIFY(windows.last()->isMaximized());
        last->findChild<QAction*>(arrangement == int(WindowArrangement::Cascade) ? "Cascade"
                                  : arrangement == int(WindowArrangement::TileHorizontally)
                                      ? "Tile"
                                      : "TileV")
            ->trigger();
        const QRect area = frame->mdiArea()->viewport()->rect();
        QVERIFY(area.width() > 300 && area.height() > 300);
        for (QMdiSubWindow* sub : windows) QVERIFY(!sub->isMaximized());
        QList<QRect> places;
        for (QMdiSubWindow* sub : windows) places << sub->geometry();
        if (arrangement == int(WindowArrangement::Cascade)) {
            // From the area's corner, each window below and right of the one before, all of
            // one size.
            QCOMPARE(places[0].topLeft(), area.topLeft());
            for (int i = 1; i < 3; ++i) {
                QVERIFY(places[i].top() > places[i - 1].top());
                QVERIFY(places[i].left() > places[i - 1].left());
                QCOMPARE(places[i].size(), places[0].size());
            }
            return;
        }
        const bool stacked = arrangement == int(WindowArrangement::TileHorizontally);
        const int h = area.height(), w = area.width();
        QList<QRect> expected(3);
        int edge = 0;
        for (int i = 0; i < 3; ++i) {
            const int length = (stacked ? h : w) / 3 + (i < (stacked ? h : w) % 3 ? 1 : 0);
            expected[i] = stacked ? QRect(0, edge, w, length) : QRect(edge, 0, length, h);
            edge += length;
        }
        QCOMPARE(places, expected);
        QCOMPARE(edge, stacked ? h : w);
    }

    void closingDeletesOnlyTheLockFiles() {
        createDatabase();
        const QStringList locks{QStringLiteral("links.ldb"), QStringLiteral("Links.ldb"),
                                QStringLiteral("crush.ldb"), QStringLiteral("CRUSH.ldb")};
        const QStringList kept{QStringLiteral("Links.mdb"), QStringLiteral("Links.mdb-journal"),
                               QStringLiteral("Links.mdb-wal"), QStringLiteral("other.ldb")};
        auto frame = makeFrame();
        frame->load();
        for (const QString& name : locks + kept.mid(1)) {
            QFile file(appFile(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(frame->close());
        for (const QString& name : locks) QVERIFY2(!QFile::exists(appFile(name)), qPrintable(name));
        for (const QString& name : kept) QVERIFY2(QFile::exists(appFile(name)), qPrintable(name));
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 0);
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
