#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "FakeWindowFixture.h"
#include "browser/BookmarkFile.h"
#include "browser/CustomToolbar.h"
#include "browser/StatusArea.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"

using namespace SettingsKeys;

// The navigation toolbar, status bar, toolbar toggles, custom toolbar, quick links and
// bookmarks of a window, against the scripted component.
class TestToolbars : public QObject, private FakeWindowFixture {
    Q_OBJECT

    static QRect componentGeometry(BrowserWindow* window) {
        return window->webComponent()->widget()->geometry();
    }
    void setSlot(int slot, const QString& name, const QString& command, const QString& image = {}) {
        const QString key = QString::number(slot);
        m_env->settings->write(QStringLiteral("Toolname"), key, name);
        m_env->settings->write(QStringLiteral("ToolFilename"), key, command);
        m_env->settings->write(kToolImage, key, image);
    }

private slots:
    void init() {
        begin();
        qputenv("XDG_DATA_HOME", m_env->appPath().toUtf8() + "/data");
    }
    void cleanup() {
        end();
        qunsetenv("XDG_DATA_HOME");
    }

    void navigationButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("call");
        QTest::newRow("Back") << "Command10"
                              << "Back"
                              << "GoBack";
        QTest::newRow("Forward") << "Command11"
                                 << "Forward"
                                 << "GoForward";
        QTest::newRow("Home") << "Command12"
                              << "Home"
                              << "Navigate http://home.example/";
        QTest::newRow("Execute") << "Command13"
                                 << "Execute"
                                 << "Navigate http://typed.example/";
        QTest::newRow("Stop") << "Command15"
                              << "Stop"
                              << "Stop";
        QTest::newRow("Refresh") << "Command16"
                                 << "Refresh"
                                 << "Refresh";
    }

    void navigationButtons() {
        QFETCH(QString, button);
        QFETCH(QString, toolTip);
        QFETCH(QString, call);
        m_env->settings->write(kHome, kFirstKey, QStringLiteral("http://home.example/"));
        BrowserWindow* window = open();
        child<QComboBox>(window, "cboAddress")
            ->setEditText(QStringLiteral("http://typed.example/"));
        auto* command = window->findChild<QToolButton*>(button);
        QVERIFY(command);
        QCOMPARE(command->toolTip(), toolTip);
        QVERIFY(!command->icon().isNull());
        command->click();
        QCOMPARE(fake(window)->calls, QStringList{call});
    }

    void navigationButtonPlaces() {
        BrowserWindow* window = open(ProfileKind::ZD2);
        QCOMPARE(child<QToolButton>(window, "Command10")->geometry(), QRect(0, 0, 48, 42));
        QCOMPARE(child<QToolButton>(window, "Command16")->geometry(), QRect(589, 0, 52, 42));
        QCOMPARE(child<QComboBox>(window, "cboAddress")->geometry(), QRect(152, 10, 160, 21));
        QCOMPARE(child<QComboBox>(window, "Combo1")->geometry(), QRect(320, 10, 121, 21));
    }

    void printNeedsAPage() {
        BrowserWindow* window = open();
        child<QToolButton>(window, "Command14")->click();
        QCOMPARE(m_env->dialogs.messages, QStringList{"The Print command is currently disabled."});
        fake(window)->completeNavigation(QStringLiteral("http://page.example/"));
        fake(window)->calls.clear();
        m_env->dialogs.printAnswers << false << true;
        child<QToolButton>(window, "Command14")->click();
        QCOMPARE(fake(window)->calls, QStringList{});
        child<QAction>(window, "Print")->trigger();
        QCOMPARE(fake(window)->calls, QStringList{"Print"});
        QCOMPARE(m_env->dialogs.printDialogs, 2);
    }

    // Execute works through the address box; hidden, it does nothing and cannot loop.
    void executeWithForbiddenTyping() {
        m_env->settings->write(kManualBrowsing, kAllowed, QStringLiteral("1"));
        BrowserWindow* window = open();
        child<QComboBox>(window, "cboAddress")
            ->setEditText(QStringLiteral("http://typed.example/"));
        child<QToolButton>(window, "Command13")->click();
        QCOMPARE(fake(window)->calls, QStringList{});
    }

    // Component top and height after each ToolBars menu toggle: M = Main, C = Custom,
    // S = StatusBar.
    void toggles_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("tops");
        QTest::addColumn<QList<int>>("heights");
        const int zd = int(ProfileKind::ZD), zd2 = int(ProfileKind::ZD2),
                  zd3 = int(ProfileKind::ZD3);
        QTest::newRow("ZD main off, on")
            << zd << "MM" << QList<int>{40, 84} << QList<int>{503, 459};
        QTest::newRow("ZD status, main, custom off; status on")
            << zd << "SMCS" << QList<int>{85, 40, 0, 0} << QList<int>{473, 518, 558, 543};
        QTest::newRow("ZD custom off, main off, on")
            << zd << "CMM" << QList<int>{40, 0, 40} << QList<int>{503, 543, 503};
        QTest::newRow("ZD main off, custom off, on")
            << zd << "MCC" << QList<int>{40, 0, 40} << QList<int>{503, 543, 503};
        QTest::newRow("ZD custom off, on")
            << zd << "CC" << QList<int>{40, 84} << QList<int>{503, 459};
        QTest::newRow("ZD2 main off, on, status off")
            << zd2 << "MMS" << QList<int>{41, 78, 78} << QList<int>{379, 340, 358};
        QTest::newRow("ZD2 status off, custom off, main off")
            << zd2 << "SCM" << QList<int>{82, 41, 0} << QList<int>{357, 397, 443};
        QTest::newRow("ZD3 main off, custom off, main on")
            << zd3 << "MCM" << QList<int>{40, 0, 40} << QList<int>{669, 710, 669};
        QTest::newRow("ZD3 status off, on")
            << zd3 << "SS" << QList<int>{84, 84} << QList<int>{640, 625};
    }

    void toggles() {
        QFETCH(int, kind);
        QFETCH(QString, steps);
        QFETCH(QList<int>, tops);
        QFETCH(QList<int>, heights);
        BrowserWindow* window = open(ProfileKind(kind));
        const int width = window->profile().componentAfterSetUp.width();
        for (int i = 0; i < steps.size(); ++i) {
            const char* item = steps[i] == 'M' ? "Main" : steps[i] == 'C' ? "Custom" : "StatusBar";
            child<QAction>(window, item)->trigger();
            QCOMPARE(componentGeometry(window), QRect(0, tops[i], width, heights[i]));
        }
        const ToolbarLayout& layout = window->toolbarLayout();
        QCOMPARE(child<QAction>(window, "Main")->isChecked(), layout.mainChecked());
        QCOMPARE(!child<QToolButton>(window, "Command10")->isHidden(), layout.mainChecked());
        QCOMPARE(!child<QComboBox>(window, "Combo1")->isHidden(), layout.mainChecked());
        QCOMPARE(window->customToolbar().rowVisible(), layout.customChecked());
        QCOMPARE(!child<QWidget>(window, "CustomToolBarBack")->isHidden(), layout.customChecked());
        QCOMPARE(!child<QStatusBar>(window, "StatusBar1")->isHidden(), layout.statusBarChecked());
        QCOMPARE(!child<QWidget>(window, "Picture1")->isHidden(), layout.statusBarChecked());
        QCOMPARE(window->customToolbar().buttons().first()->y(), layout.customTop());
        QCOMPARE(child<QWidget>(window, "CustomToolBarBack")->y(), layout.customTop());
    }

    void addressBoxStaysHiddenWhenTypingIsForbidden() {
        m_env->settings->write(kManualBrowsing, kAllowed, QStringLiteral("1"));
        BrowserWindow* window = open();
        child<QAction>(window, "Main")->trigger();
        child<QAction>(window, "Main")->trigger();
        QVERIFY(child<QComboBox>(window, "cboAddress")->isHidden());
        QVERIFY(!child<QComboBox>(window, "Combo1")->isHidden());
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(child<QComboBox>(window, "Combo1"), &in);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(child<QComboBox>(window, "Combo1"), &out);
        QVERIFY(child<QComboBox>(window, "cboAddress")->isHidden());
    }

    void timersAtSetUp_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("animating");
        QTest::newRow("ZD") << int(ProfileKind::ZD) << false;
        QTest::newRow("ZD2") << int(ProfileKind::ZD2) << true;
        QTest::newRow("ZD3") << int(ProfileKind::ZD3) << true;
    }

    void timersAtSetUp() {
        QFETCH(int, kind);
        QFETCH(bool, animating);
        BrowserWindow* window = open(ProfileKind(kind));
        QCOMPARE(child<QTimer>(window, "Timer1")->interval(), 500);
        QVERIFY(child<QTimer>(window, "Timer1")->isActive());
        QCOMPARE(child<QTimer>(window, "Timer2")->interval(), 100);
        QCOMPARE(child<QTimer>(window, "Timer2")->isActive(), animating);
        // The busy watch stops the animation of an idle component within one tick.
        QTRY_VERIFY_WITH_TIMEOUT(!child<QTimer>(window, "Timer2")->isActive(), 2000);
    }

    void busyWatchAndStop() {
        BrowserWindow* window = open();
        fake(window)->busy = true;
        QTRY_VERIFY_WITH_TIMEOUT(window->statusArea().indicator().leftToRightVisible(), 3000);
        auto* picture3 = child<QWidget>(window, "Picture3");
        QVERIFY(!picture3->isHidden());
        QCOMPARE(picture3->x(), window->statusArea().indicator().leftToRight() / 15);
        QCOMPARE(picture3->size(), QSize(43, 12));
        child<QToolButton>(window, "Command15")->click();
        QVERIFY(!child<QTimer>(window, "Timer2")->isActive());
        const BusyIndicator& indicator = window->statusArea().indicator();
        QVERIFY(!indicator.leftToRightVisible() && !indicator.rightToLeftVisible());
        QCOMPARE(indicator.leftToRight(), BusyIndicator::kLeftStart);
        QCOMPARE(fake(window)->calls, QStringList{"Stop"});
        QVERIFY(picture3->isHidden() && child<QWidget>(window, "Picture4")->isHidden());
        // A later busy period starts again from the start positions.
        QTRY_VERIFY_WITH_TIMEOUT(child<QTimer>(window, "Timer2")->isActive(), 3000);
        fake(window)->busy = false;
        QTRY_VERIFY_WITH_TIMEOUT(!child<QTimer>(window, "Timer2")->isActive(), 3000);
        QCOMPARE(indicator.leftToRight(), BusyIndicator::kLeftStart);
    }

    void statusPanels() {
        const QTime before = QTime::currentTime();
        BrowserWindow* window = open(ProfileKind::ZD2);
        auto* bar = child<QStatusBar>(window, "StatusBar1");
        QCOMPARE(bar->geometry().top(), 425);
        QCOMPARE(bar->height(), 18);
        QCOMPARE(child<QWidget>(window, "Picture1")->width(), 148);
        QVERIFY(child<QLabel>(window, "DatePanel")->toolTip().startsWith("The Current Time is: "));
        QVERIFY(window->statusArea().setUpTime() >= before.addSecs(-1));
        QCOMPARE(child<QLabel>(window, "NumLockPanel")->toolTip(),
                 QStringLiteral("Num Lock Status"));
        QCOMPARE(child<QLabel>(window, "CapsLockPanel")->toolTip(),
                 QStringLiteral("Cap Lock Status"));
        QCOMPARE(child<QLabel>(window, "ScrollLockPanel")->toolTip(),
                 QStringLiteral("Scroll Lock Status"));
        QCOMPARE(child<QLabel>(window, "InsertPanel")->toolTip(), QStringLiteral("Insert Status"));
        QCOMPARE(child<QLabel>(window, "DatePanel")->text(),
                 QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        // Without an X server there is no lock-key source: unknown, not a guess.
        QCOMPARE(child<QLabel>(window, "CapsLockPanel")->text(), QStringLiteral("CAPS ?"));
        QVERIFY(!child<QLabel>(window, "CapsLockPanel")->isEnabled());

        auto* insert = child<QLabel>(window, "InsertPanel");
        QCOMPARE(insert->text(), QStringLiteral("INS"));
        QVERIFY(!insert->isEnabled());
        auto* address = child<QComboBox>(window, "cboAddress");
        window->activateWindow();
        address->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), address);
        // Focus in the address box widens it over the quick links.
        QCOMPARE(address->width(), 288);
        QTest::keyClick(address, Qt::Key_Insert);
        QVERIFY(insert->isEnabled());
        QTest::keyClick(address, Qt::Key_Insert);
        QVERIFY(!insert->isEnabled());
    }

    void loadToolBar_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("withToolTip");
        QTest::addColumn<QList<int>>("visible");
        QList<int> all19, first14;
        for (int i = 0; i < 19; ++i) all19 << i;
        for (int i = 0; i < 14; ++i) first14 << i;
        QTest::newRow("empty store, ZD") << int(ProfileKind::ZD) << QStringList{} << 0 << all19;
        QTest::newRow("empty store, ZD2") << int(ProfileKind::ZD2) << QStringList{} << 0 << first14;
        QTest::newRow("gap at slot 3")
            << int(ProfileKind::ZD) << QStringList{"a", "b", "c", "", "e"} << 3 << all19;
        QStringList twentyFour;
        for (int i = 0; i < 24; ++i) twentyFour << QStringLiteral("tool %1").arg(i);
        QTest::newRow("24 slots in ZD") << int(ProfileKind::ZD) << twentyFour << 19 << all19;
        QTest::newRow("16 slots in ZD2") << int(ProfileKind::ZD2) << twentyFour.mid(0, 16) << 16
                                         << (first14 + QList<int>{14, 15});
    }

    void loadToolBar() {
        QFETCH(int, kind);
        QFETCH(QStringList, names);
        QFETCH(int, withToolTip);
        QFETCH(QList<int>, visible);
        for (int slot = 0; slot < names.size(); ++slot)
            setSlot(slot, names[slot], QStringLiteral("calc"));
        BrowserWindow* window = open(ProfileKind(kind));
        const QList<QToolButton*>& buttons = window->customToolbar().buttons();
        QCOMPARE(buttons.size(), window->profile().customButtonSlots);
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(!buttons[i]->isHidden(), visible.contains(i));
            QCOMPARE(buttons[i]->toolTip(), i < withToolTip ? names[i] : QString());
        }
        if (window->profile().kind == ProfileKind::ZD2 && visible.contains(14)) {
            QCOMPARE(buttons[14]->pos(), QPoint(72, 336));
        }
    }

    void customButtonPicturesAndClicks() {
        QPixmap picture(32, 32);
        picture.fill(Qt::darkGreen);
        const QString bmp = m_env->appPath() + QStringLiteral("/calc.bmp");
        const QString ico = m_env->appPath() + QStringLiteral("/web.ico");
        QVERIFY(picture.save(bmp, "BMP"));
        QVERIFY(picture.save(ico, "ICO"));
        setSlot(0, QStringLiteral("Calculator"), QStringLiteral("calc"), bmp);
        setSlot(1, QStringLiteral("School"), QStringLiteral("http://School.example/"), ico);
        setSlot(2, QStringLiteral("Missing picture"), QStringLiteral("www.library.example"),
                m_env->appPath() + QStringLiteral("/missing.ico"));
        BrowserWindow* window = open();
        const QList<QToolButton*>& buttons = window->customToolbar().buttons();
        QVERIFY(!buttons[0]->icon().isNull());
        QVERIFY(!buttons[1]->icon().isNull());
        QVERIFY(buttons[2]->icon().isNull());
        QCOMPARE(buttons[2]->toolTip(), QStringLiteral("Missing picture"));
        for (int i : {0, 1, 2, 3}) buttons[i]->click();
        QCOMPARE(m_env->launcher.launched, QStringList{"calc"});
        QCOMPARE(fake(window)->calls,
                 (QStringList{"Navigate http://School.example/", "Navigate www.library.example"}));
    }

    void quickLinks() {
        LinksDatabase db(databaseFile());
        QVERIFY(db.addLink(QStringLiteral("Library"), QStringLiteral("http://first.example/"))
                    .isEmpty());
        QVERIFY(
            db.addLink(QStringLiteral("Games"), QStringLiteral("http://games.example/")).isEmpty());
        QVERIFY(db.addLink(QStringLiteral("Library"), QStringLiteral("http://second.example/"))
                    .isEmpty());
        BrowserWindow* window = open();
        auto* list = child<QComboBox>(window, "Combo1");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->itemText(1), QStringLiteral("Games"));
        QCOMPARE(list->currentText(), QStringLiteral("Quick Links"));
        QCOMPARE(list->toolTip(), QStringLiteral("Quick Links"));
        emit list->activated(2);
        emit list->activated(1);
        QCOMPARE(fake(window)->calls,
                 (QStringList{"Navigate http://first.example/", "Navigate http://games.example/"}));

        QVERIFY(db.remove(LinksDatabase::Table::Links, QStringLiteral("Games")).isEmpty());
        emit list->activated(1);
        QCOMPARE(m_env->dialogs.messages, QStringList{LinksDatabase::noCurrentRecordError()});
        QCOMPARE(fake(window)->calls.size(), 2);
    }

    void emptyQuickLinks() {
        BrowserWindow* window = open();
        auto* list = child<QComboBox>(window, "Combo1");
        QCOMPARE(list->count(), 0);
        QCOMPARE(list->currentText(), QStringLiteral("Quick Links"));
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void quickLinksFocusExchange_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QRect>("focused");
        QTest::addColumn<bool>("addressHidden");
        QTest::newRow("ZD") << int(ProfileKind::ZD) << QRect(168, 8, 409, 21) << true;
        QTest::newRow("ZD2") << int(ProfileKind::ZD2) << QRect(152, 10, 289, 21) << true;
        QTest::newRow("ZD3") << int(ProfileKind::ZD3) << QRect(536, 10, 265, 21) << false;
    }

    void quickLinksFocusExchange() {
        QFETCH(int, kind);
        QFETCH(QRect, focused);
        QFETCH(bool, addressHidden);
        BrowserWindow* window = open(ProfileKind(kind));
        auto* list = child<QComboBox>(window, "Combo1");
        const QRect rest = list->geometry();
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(list, &in);
        QCOMPARE(list->geometry(), focused);
        QCOMPARE(child<QComboBox>(window, "cboAddress")->isHidden(), addressHidden);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(list, &out);
        QCOMPARE(list->geometry(), rest);
        QVERIFY(!child<QComboBox>(window, "cboAddress")->isHidden());
    }

    void openBookMark_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<int>("messages");
        QTest::newRow("ZD") << int(ProfileKind::ZD) << true << 0;
        QTest::newRow("ZD unreadable") << int(ProfileKind::ZD) << false << 1;
        QTest::newRow("ZD2 unreadable") << int(ProfileKind::ZD2) << false << 0;
        QTest::newRow("ZD3 unreadable") << int(ProfileKind::ZD3) << false << 0;
    }

    void openBookMark() {
        QFETCH(int, kind);
        QFETCH(bool, readable);
        QFETCH(int, messages);
        BrowserWindow* window = open(ProfileKind(kind));
        const QString favorites =
            child<QLineEdit>(window, "WINDIR")->text() + QStringLiteral("/Favorites");
        QVERIFY(QDir().mkpath(favorites));
        const QString file = favorites + QStringLiteral("/School.url");
        if (readable) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write("[InternetShortcut]\r\nURL=http://school.example/\r\n");
        }
        m_env->dialogs.files << file << QString();
        child<QAction>(window, "LoadBookMark")->trigger();
        child<QAction>(window, "LoadBookMark")->trigger();
        QCOMPARE(m_env->dialogs.directories, (QStringList{favorites, favorites}));
        QCOMPARE(m_env->dialogs.filters.first(), QStringLiteral("Book Marks(*.url)|*.url"));
        QCOMPARE(fake(window)->calls,
                 readable ? QStringList{"Navigate http://school.example/"} : QStringList{});
        QCOMPARE(m_env->dialogs.messages.size(), messages);
    }

    void addBookMarkIsReadBackByOpen() {
        BrowserWindow* window = open();
        child<QAction>(window, "AddBookMark")->trigger();
        QCOMPARE(m_env->dialogs.messages, QStringList{"There is no page to add as a book mark."});

        fake(window)->location = QStringLiteral("http://school.example/maths?unit=3");
        fake(window)->title = QStringLiteral("Maths: Unit 3/4");
        child<QAction>(window, "AddBookMark")->trigger();
        const QString folder =
            child<QLineEdit>(window, "WINDIR")->text() + QStringLiteral("/Favorites");
        const QString saved =
            BookmarkFile::existingFile(folder, fake(window)->title, fake(window)->location);
        QVERIFY(!saved.isEmpty());
        QCOMPARE(m_env->dialogs.questions.size(), 0);

        // The same title again: asked first; No keeps the file as it was.
        fake(window)->location = QStringLiteral("http://other.example/");
        m_env->dialogs.answers << DialogService::Answer::No << DialogService::Answer::Yes;
        child<QAction>(window, "AddBookMark")->trigger();
        QCOMPARE(BookmarkFile::read(saved).address,
                 QStringLiteral("http://school.example/maths?unit=3"));
        child<QAction>(window, "AddBookMark")->trigger();
        QCOMPARE(m_env->dialogs.questions.size(), 2);

        m_env->dialogs.files << saved;
        child<QAction>(window, "LoadBookMark")->trigger();
        QCOMPARE(fake(window)->calls, QStringList{"Navigate http://other.example/"});
    }
};

QTEST_MAIN(TestToolbars)
#include "tst_toolbars.moc"
