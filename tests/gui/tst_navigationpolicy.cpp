#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "FakeWindowFixture.h"
#include "VisitLog.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"

using namespace SettingsKeys;

// The browsing policy and the address bar of a window, against the scripted component.
class TestNavigationPolicy : public QObject, private FakeWindowFixture {
    Q_OBJECT

    static QComboBox* addressBox(BrowserWindow* window) {
        return window->findChild<QComboBox*>(QStringLiteral("cboAddress"));
    }
    static QStringList historyItems(BrowserWindow* window) {
        QStringList items;
        for (int i = 0; i < addressBox(window)->count(); ++i)
            items << addressBox(window)->itemText(i);
        return items;
    }
    void setPolicy(const QString& disney, const QString& restriction, const QStringList& domains) {
        m_env->settings->write(kDisney, kOnly, disney);
        m_env->settings->write(kRestriction, kAllowed, restriction);
        LinksDatabase db(databaseFile());
        for (const QString& domain : domains) QVERIFY(db.addDomain(domain).isEmpty());
    }
    // Types the text into the box as a user does, then presses Enter.
    static void enter(BrowserWindow* window, const QString& text) {
        addressBox(window)->clearEditText();
        QTest::keyClicks(addressBox(window), text);
        QTest::keyClick(addressBox(window), Qt::Key_Return);
    }

private slots:
    void init() { begin(); }
    void cleanup() { end(); }

    // One completed navigation, the window's first, under each policy and layout.
    void decisionTable_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("disney");
        QTest::addColumn<QString>("restriction");
        QTest::addColumn<QStringList>("domains");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QStringList>("calls");

        const QStringList allowedFamilyDomain{"hide", "show", "show"};
        const QStringList allowedAfterHide{"hide", "show"};
        const QStringList refused{"hide", "hide", "Stop", "GoBack"};
        const QStringList refusedRestricted{"hide", "Stop", "GoBack", "hide", "Stop", "GoBack"};
        const QStringList allowedRestricted{"hide", "show", "show"};
        const QString familyHome = "http://www.disney.com/home";
        const QString familyCapital = "http://www.Disney.example/";
        const QString other = "http://www.other.example/";

        for (int kind : {int(ProfileKind::ZD2), int(ProfileKind::ZD), int(ProfileKind::ZD3)}) {
            const bool zd = kind == int(ProfileKind::ZD);
            const QByteArray p = LayoutProfile::of(ProfileKind(kind)).name;
            QTest::newRow(p + " family, domain in url")
                << kind << "1"
                << "" << QStringList{} << familyHome << true << allowedFamilyDomain;
            QTest::newRow(p + " family, capital Disney")
                << kind << "1"
                << "" << QStringList{} << familyCapital << zd << (zd ? allowedAfterHide : refused);
            QTest::newRow(p + " family, other site")
                << kind << "1"
                << "" << QStringList{} << other << false << refused;
            QTest::newRow(p + " family wins over restriction")
                << kind << "1"
                << "Yes" << QStringList{"other.example"} << other << false
                << QStringList{"hide", "hide", "hide", "Stop", "GoBack"};
            QTest::newRow(p + " restricted, allowed")
                << kind << "0"
                << "Yes" << QStringList{"kids.example"} << "http://kids.example/a" << true
                << allowedRestricted;
            QTest::newRow(p + " restricted, other")
                << kind << "0"
                << "Yes" << QStringList{"kids.example"} << other << false << refusedRestricted;
            QTest::newRow(p + " restricted, entry in capitals")
                << kind << ""
                << "Yes" << QStringList{"KIDS.example"} << "http://kids.example/" << zd
                << (zd ? allowedRestricted : refusedRestricted);
            QTest::newRow(p + " restricted, entry in path")
                << kind << ""
                << "Yes" << QStringList{"/lessons/"} << "http://any.example/lessons/1" << true
                << allowedRestricted;
            QTest::newRow(p + " restricted, no domains")
                << kind << ""
                << "Yes" << QStringList{} << other << false << refusedRestricted;
            QTest::newRow(p + " lower-case yes is off")
                << kind << ""
                << "yes" << QStringList{} << other << true << QStringList{"show"};
            QTest::newRow(p + " no policy")
                << kind << "0"
                << "No" << QStringList{} << other << true << QStringList{"show"};
        }
    }

    void decisionTable() {
        QFETCH(int, kind);
        QFETCH(QString, disney);
        QFETCH(QString, restriction);
        QFETCH(QStringList, domains);
        QFETCH(QString, url);
        QFETCH(bool, allowed);
        QFETCH(QStringList, calls);
        setPolicy(disney, restriction, domains);
        BrowserWindow* window = open(ProfileKind(kind));
        auto* busyAnimation = window->findChild<QTimer*>(QStringLiteral("Timer2"));
        busyAnimation->start();

        fake(window)->completeNavigation(url);

        QCOMPARE(fake(window)->calls, calls);
        QCOMPARE(window->policy().ok(), allowed);
        QCOMPARE(fake(window)->isShown(), allowed);
        QCOMPARE(busyAnimation->isActive(), allowed);
        const QString row = allowed ? url : url + QStringLiteral(" RESTRICTION ATTEMPT");
        QCOMPARE(visitRows(databaseFile()), QStringList{row});
        QCOMPARE(historyItems(window), allowed ? QStringList{url} : QStringList{});
        QCOMPARE(window->windowTitle(), allowed ? url : QString());
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void familySiteDomainLeavesAddressBoxAlone() {
        setPolicy("1", "", {});
        BrowserWindow* window = open();
        addressBox(window)->setEditText(QStringLiteral("typed"));
        emit fake(window)->BeforeNavigate2(QStringLiteral("http://www.disney.com/"));
        QCOMPARE(addressBox(window)->currentText(), QStringLiteral("typed"));
        QCOMPARE(window->policy().clickUrl(), QString());
        emit fake(window)->BeforeNavigate2(QStringLiteral("http://other.example/"));
        QCOMPARE(addressBox(window)->currentText(), QStringLiteral("http://other.example/"));
    }

    // Only a window's first navigation is hidden before the verdict under the restriction.
    void laterNavigationsStayShownUntilJudged() {
        setPolicy("", "Yes", {"kids.example"});
        BrowserWindow* window = open();
        fake(window)->completeNavigation(QStringLiteral("http://kids.example/1"));
        fake(window)->calls.clear();
        emit fake(window)->BeforeNavigate2(QStringLiteral("http://kids.example/2"));
        QCOMPARE(fake(window)->calls, QStringList{});
        QVERIFY(window->policy().dontDoIt());
    }

    // Under the domain restriction every top-level navigation that does not pass is hidden
    // from its start; frames neither hide nor show.
    void failingNavigationsAreHiddenFromTheirStart() {
        setPolicy("", "Yes", {"kids.example"});
        BrowserWindow* window = open();
        fake(window)->completeNavigation(QStringLiteral("http://kids.example/1"));
        fake(window)->calls.clear();
        emit fake(window)->BeforeNavigate2(QStringLiteral("http://other.example/"), true);
        QCOMPARE(fake(window)->calls, QStringList{"hide"});
        emit fake(window)->BeforeNavigate2(QStringLiteral("http://kids.example/2"), true);
        emit fake(window)->BeforeNavigate2(QStringLiteral("http://other.example/frame"), false);
        QCOMPARE(fake(window)->calls, QStringList{"hide"});
    }

    // A frame may refuse its page but never show or allow it.
    void framesNeverDecideForTheirPage_data() {
        QTest::addColumn<QString>("restriction");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("shown");
        const QString kids = "http://kids.example/";
        const QString other = "http://other.example/";
        const QString attempt = " RESTRICTION ATTEMPT";
        QTest::newRow("refused page, allowed frame")
            << "Yes" << other << kids + "tiny" << QStringList{other + attempt} << false;
        QTest::newRow("allowed page, refused frame")
            << "Yes" << kids << other + "ad" << QStringList{kids, other + "ad" + attempt} << false;
        QTest::newRow("allowed page, allowed frame")
            << "Yes" << kids << kids + "f" << QStringList{kids, kids} << true;
        QTest::newRow("no policy: a row per frame with the page's address")
            << "No" << other << other + "f" << QStringList{other, other} << true;
    }

    void framesNeverDecideForTheirPage() {
        QFETCH(QString, restriction);
        QFETCH(QString, page);
        QFETCH(QString, frame);
        QFETCH(QStringList, rows);
        QFETCH(bool, shown);
        setPolicy("", restriction, {"kids.example"});
        BrowserWindow* window = open();
        fake(window)->completeNavigation(page);
        emit fake(window)->BeforeNavigate2(frame, false);
        emit fake(window)->NavigateComplete2(frame, false);
        QCOMPARE(visitRows(databaseFile()), rows);
        QCOMPARE(fake(window)->isShown(), shown);
        QCOMPARE(window->pageCommandsAllowed(), shown);
    }

    // One row per top-level navigation, however it ends; nothing for a load already judged.
    void endedLoadIsJudgedOnceOnItsRequestedAddress() {
        setPolicy("", "Yes", {"kids.example"});
        BrowserWindow* window = open();
        fake(window)->completeNavigation(QStringLiteral("http://kids.example/1"));
        emit fake(window)->BeforeNavigate2(QStringLiteral("http://other.example/slow"), true);
        // The user types an allowed address while the page loads: the request still decides.
        addressBox(window)->setEditText(QStringLiteral("http://kids.example/typed"));
        fake(window)->location = QStringLiteral("http://other.example/slow");
        emit fake(window)->NavigateComplete2(QStringLiteral("http://other.example/slow"), true);
        emit fake(window)->NavigateComplete2(QStringLiteral("http://other.example/slow"), true);
        QCOMPARE(visitRows(databaseFile()),
                 (QStringList{"http://kids.example/1",
                              "http://other.example/slow RESTRICTION ATTEMPT"}));
        QVERIFY(!fake(window)->isShown());
    }

    // A refused page with nothing to go back to: a window opened for it closes, any other
    // shows the program's own blank page, which is never judged or logged.
    void refusedPageWithNothingToGoBackTo_data() {
        QTest::addColumn<bool>("popUp");
        QTest::newRow("first window") << false;
        QTest::newRow("pop-up") << true;
    }

    void refusedPageWithNothingToGoBackTo() {
        QFETCH(bool, popUp);
        setPolicy("", "Yes", {"kids.example"});
        BrowserWindow* window = open();
        if (popUp) {
            fake(window)->askForNewWindow();
            QCOMPARE(m_host->windows.size(), 2);
            window = m_host->windows.last();
        }
        fake(window)->canGoBack = false;
        fake(window)->calls.clear();
        fake(window)->completeNavigation(QStringLiteral("http://other.example/"));
        const QString refused = QStringLiteral("http://other.example/ RESTRICTION ATTEMPT");
        QCOMPARE(visitRows(databaseFile()), QStringList{refused});
        if (popUp) {
            QCOMPARE(fake(window)->calls, (QStringList{"hide", "Stop", "hide"}));
            QTRY_VERIFY(m_host->windows.last().isNull());
            return;
        }
        QCOMPARE(fake(window)->calls,
                 (QStringList{"hide", "Stop", "Navigate about:blank", "hide"}));
        fake(window)->completeNavigation(NavigationPolicy::kBlankPage);
        QCOMPARE(visitRows(databaseFile()), QStringList{refused});
        QVERIFY(!fake(window)->isShown());
        // A page's own navigation to about:blank is judged as any other.
        fake(window)->completeNavigation(NavigationPolicy::kBlankPage);
        QCOMPARE(visitRows(databaseFile()).size(), 2);
    }

    // Addresses that no restricted policy can allow, and file: addresses judged on their path.
    void schemesAndLocalFiles_data() {
        QTest::addColumn<QString>("disney");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("file: entry in the query") << ""
                                                  << "file:///etc/passwd?kids.example" << false;
        QTest::newRow("file: entry in the fragment") << ""
                                                     << "file:///etc/passwd#kids.example" << false;
        QTest::newRow("file: entry in the path") << ""
                                                 << "file:///srv/kids.example/a.html" << true;
        QTest::newRow("chrome:") << ""
                                 << "chrome://gpu/#kids.example" << false;
        QTest::newRow("devtools:") << ""
                                   << "devtools://devtools/kids.example" << false;
        QTest::newRow("view-source:") << ""
                                      << "view-source:http://kids.example/" << false;
        QTest::newRow("data:") << ""
                               << "data:text/html,kids.example" << false;
        QTest::newRow("blob:") << ""
                               << "blob:http://kids.example/1" << false;
        QTest::newRow("qrc:") << ""
                              << "qrc:/kids.example" << false;
        QTest::newRow("about:") << ""
                                << "about:kids.example" << false;
        QTest::newRow("https:") << ""
                                << "https://kids.example/" << true;
        QTest::newRow("family, data:") << "1"
                                       << "data:text/html,disney" << false;
        QTest::newRow("family, file: query") << "1"
                                             << "file:///etc/passwd?disney" << false;
    }

    void schemesAndLocalFiles() {
        QFETCH(QString, disney);
        QFETCH(QString, url);
        QFETCH(bool, allowed);
        setPolicy(disney, "Yes", {"kids.example"});
        BrowserWindow* window = open(ProfileKind::ZD2);
        fake(window)->completeNavigation(url);
        QCOMPARE(window->policy().ok(), allowed);
        QCOMPARE(fake(window)->isShown(), allowed);
    }

    // Typed addresses that no restricted policy can allow are never navigated to.
    void typedInternalAddressIsNeverNavigated_data() {
        QTest::addColumn<QString>("disney");
        QTest::addColumn<QString>("restriction");
        QTest::addColumn<QString>("text");
        QTest::newRow("restricted, javascript:") << ""
                                                 << "Yes"
                                                 << "javascript:alert('kids.example')";
        QTest::newRow("family, javascript:") << "1"
                                             << ""
                                             << "javascript:alert('disney.com')";
        QTest::newRow("restricted, chrome:") << ""
                                             << "Yes"
                                             << "chrome://gpu/#kids.example";
    }

    void typedInternalAddressIsNeverNavigated() {
        QFETCH(QString, disney);
        QFETCH(QString, restriction);
        QFETCH(QString, text);
        setPolicy(disney, restriction, {"kids.example"});
        BrowserWindow* window = open();
        enter(window, text);
        QCOMPARE(fake(window)->calls, (QStringList{"hide", "Stop", "GoBack"}));
    }

    void desktopProgramsOnlyWithoutARestriction_data() {
        QTest::addColumn<QString>("disney");
        QTest::addColumn<QString>("restriction");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("none") << "0"
                              << "No" << true;
        QTest::newRow("family") << "1"
                                << "No" << false;
        QTest::newRow("domains") << "0"
                                 << "Yes" << false;
    }

    void desktopProgramsOnlyWithoutARestriction() {
        QFETCH(QString, disney);
        QFETCH(QString, restriction);
        QFETCH(bool, allowed);
        setPolicy(disney, restriction, {});
        QCOMPARE(open()->policy().allowsUnchosenPrograms(), allowed);
    }

    // Domains locked by the administrator replace the database's list.
    void lockedDomainsReplaceTheTable() {
        setPolicy("", "Yes", {"kids.example"});
        QTemporaryDir dir;
        const QString system = dir.path() + QStringLiteral("/system.ini");
        QFile file(system);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Domains]\n1=school.example\n2=/lessons/\n");
        file.close();
        m_env->settings = std::make_unique<SettingsStore>(m_env->iniFile(), system);
        BrowserWindow* window = open();
        QCOMPARE(window->policy().allowedDomains(), (QStringList{"school.example", "/lessons/"}));
        fake(window)->completeNavigation(QStringLiteral("http://kids.example/"));
        QVERIFY(!window->policy().ok());
    }

    void onlyTheFirstThousandDomainsCount() {
        QStringList domains;
        for (int i = 0; i < 1001; ++i)
            domains << QStringLiteral("site%1.example").arg(i, 4, 10, QLatin1Char('0'));
        setPolicy("", "Yes", domains);
        BrowserWindow* window = open();
        QCOMPARE(window->policy().allowedDomains().size(), 1000);
        fake(window)->completeNavigation(QStringLiteral("http://site0999.example/"));
        QVERIFY(window->policy().ok());
        fake(window)->completeNavigation(QStringLiteral("http://site1000.example/"));
        QVERIFY(!window->policy().ok());
    }

    void unavailableDatabaseGivesOneMessagePerNavigation() {
        BrowserWindow* window = open();
        QVERIFY(QFile::remove(databaseFile()));
        fake(window)->completeNavigation(QStringLiteral("http://a.example/"));
        fake(window)->completeNavigation(QStringLiteral("http://b.example/"));
        QCOMPARE(m_env->dialogs.messages.size(), 2);
        QVERIFY(m_env->dialogs.messages.first().contains(QStringLiteral("Links.mdb")));
        QVERIFY(fake(window)->isShown());
        QCOMPARE(historyItems(window), (QStringList{"http://b.example/", "http://a.example/"}));
        QVERIFY(!QFile::exists(databaseFile()));
    }

    void popUpCheck_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSize>("openerSize");
        QTest::addColumn<bool>("kept");
        QTest::newRow("ZD after set-up") << int(ProfileKind::ZD) << QSize(797, 458) << true;
        QTest::newRow("ZD after a toolbar toggle")
            << int(ProfileKind::ZD) << QSize(797, 459) << false;
        QTest::newRow("ZD2 after set-up") << int(ProfileKind::ZD2) << QSize(638, 339) << true;
        QTest::newRow("ZD2 other height") << int(ProfileKind::ZD2) << QSize(638, 340) << false;
        QTest::newRow("ZD3 after set-up") << int(ProfileKind::ZD3) << QSize(1021, 625) << true;
        QTest::newRow("ZD3 check width") << int(ProfileKind::ZD3) << QSize(1024, 640) << true;
    }

    void popUpCheck() {
        QFETCH(int, kind);
        QFETCH(QSize, openerSize);
        QFETCH(bool, kept);
        BrowserWindow* opener = open(ProfileKind(kind));
        opener->webComponent()->widget()->resize(openerSize);
        WebComponent* target = fake(opener)->askForNewWindow();
        QCOMPARE(m_host->windows.size(), 2);
        QCOMPARE(target != nullptr, kept);
        QTRY_COMPARE(m_host->windows.last().isNull(), !kept);
        if (kept) {
            QCOMPARE(target, m_host->windows.last()->webComponent());
            QCOMPARE(m_host->windows.last()->objectName(), opener->objectName());
        }
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    // Only an exact "1" turns family-site mode on; the page is then refused.
    void familySiteModeOnlyForExactlyOne_data() {
        QTest::addColumn<QString>("disney");
        QTest::addColumn<bool>("on");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("2") << "2" << false;
        QTest::newRow("blank 1") << " 1" << false;
        QTest::newRow("Yes") << "Yes" << false;
        QTest::newRow("empty") << "" << false;
    }

    void familySiteModeOnlyForExactlyOne() {
        QFETCH(QString, disney);
        QFETCH(bool, on);
        setPolicy(disney, QString(), {});
        BrowserWindow* window = open();
        fake(window)->completeNavigation(QStringLiteral("http://other.example/"));
        QCOMPARE(fake(window)->isShown(), !on);
        QCOMPARE(visitRows(databaseFile()),
                 QStringList{QStringLiteral("http://other.example/") +
                             (on ? QStringLiteral(" RESTRICTION ATTEMPT") : QString())});
    }

    void addressHistory() {
        BrowserWindow* window = open();
        for (const char* url : {"http://a.example/", "http://b.example/", "http://a.example/"}) {
            fake(window)->completeNavigation(QString::fromLatin1(url));
        }
        QCOMPARE(historyItems(window), (QStringList{"http://a.example/", "http://b.example/"}));
        QCOMPARE(addressBox(window)->currentText(), QStringLiteral("http://a.example/"));
        fake(window)->completeNavigation(QStringLiteral("http://A.example/"));
        QCOMPARE(historyItems(window),
                 (QStringList{"http://A.example/", "http://a.example/", "http://b.example/"}));
        QCOMPARE(window->windowTitle(), QStringLiteral("http://A.example/"));
        // An entry from the middle moves to the top; the list and the history agree.
        fake(window)->completeNavigation(QStringLiteral("http://c.example/"));
        fake(window)->completeNavigation(QStringLiteral("http://a.example/"));
        const QStringList expected{"http://a.example/", "http://c.example/", "http://A.example/",
                                   "http://b.example/"};
        QCOMPARE(historyItems(window), expected);
        QCOMPARE(window->addressHistory().entries(), expected);
        QCOMPARE(addressBox(window)->currentText(), QStringLiteral("http://a.example/"));
        QVERIFY(fake(window)->calls.filter(QStringLiteral("Navigate")).isEmpty());
    }

    void enterNavigatesToExactlyTheText() {
        BrowserWindow* window = open();
        enter(window, QString());
        QCOMPARE(fake(window)->calls, QStringList{});
        enter(window, QStringLiteral(" www.School.example/a b "));
        QCOMPARE(fake(window)->calls,
                 QStringList{QStringLiteral("Navigate  www.School.example/a b ")});
        QCOMPARE(window->policy().clickUrl(), QStringLiteral(" www.School.example/a b "));

        // Enter on the text of an older history entry navigates once, not once per route.
        fake(window)->completeNavigation(QStringLiteral("http://a.example/"));
        fake(window)->completeNavigation(QStringLiteral("http://b.example/"));
        fake(window)->calls.clear();
        enter(window, QStringLiteral("http://a.example/"));
        QCOMPARE(fake(window)->calls, QStringList{QStringLiteral("Navigate http://a.example/")});
    }

    void historyPickNavigates() {
        BrowserWindow* window = open();
        fake(window)->completeNavigation(QStringLiteral("http://a.example/"));
        fake(window)->completeNavigation(QStringLiteral("http://b.example/"));
        fake(window)->calls.clear();
        emit addressBox(window)->activated(1);
        QCOMPARE(fake(window)->calls, QStringList{QStringLiteral("Navigate http://b.example/")});
    }

    void chooseUnderRestrictionGoesBackAtOnce_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("allowed") << "http://kids.example/x"
                                 << QStringList{"hide", "Navigate http://kids.example/x", "show"};
        QTest::newRow("refused") << "http://other.example/"
                                 << QStringList{"hide", "Navigate http://other.example/", "Stop",
                                                "GoBack"};
    }

    void chooseUnderRestrictionGoesBackAtOnce() {
        QFETCH(QString, text);
        QFETCH(QStringList, calls);
        setPolicy("", "Yes", {"kids.example"});
        BrowserWindow* window = open();
        enter(window, text);
        QCOMPARE(fake(window)->calls, calls);
    }

    void familySiteChoiceIsShownAndNavigated() {
        setPolicy("1", "", {});
        BrowserWindow* window = open();
        enter(window, QStringLiteral("http://www.disney.com/"));
        QCOMPARE(fake(window)->calls,
                 (QStringList{"hide", "show", "Navigate http://www.disney.com/"}));
        fake(window)->calls.clear();
        enter(window, QStringLiteral("http://other.example/"));
        QCOMPARE(fake(window)->calls, (QStringList{"hide", "Navigate http://other.example/"}));
    }

    void focusWidensTheAddressBoxOverTheQuickLinks_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("focused");
        QTest::addColumn<int>("normal");
        QTest::newRow("ZD") << int(ProfileKind::ZD) << 409 << 224;
        QTest::newRow("ZD2") << int(ProfileKind::ZD2) << 288 << 160;
        QTest::newRow("ZD3") << int(ProfileKind::ZD3) << 632 << 360;
    }

    void focusWidensTheAddressBoxOverTheQuickLinks() {
        QFETCH(int, kind);
        QFETCH(int, focused);
        QFETCH(int, normal);
        BrowserWindow* window = open(ProfileKind(kind));
        auto* quickLinks = window->findChild<QComboBox*>(QStringLiteral("Combo1"));
        QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(addressBox(window), &in);
        QCOMPARE(addressBox(window)->width(), focused);
        QVERIFY(quickLinks->isHidden());
        QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(addressBox(window), &popup);
        QCOMPARE(addressBox(window)->width(), focused);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(addressBox(window), &out);
        QCOMPARE(addressBox(window)->width(), normal);
        QVERIFY(!quickLinks->isHidden());
    }

    void doubleClickSelectsToTheEnd() {
        BrowserWindow* window = open();
        QLineEdit* edit = addressBox(window)->lineEdit();
        edit->setText(QStringLiteral("http://school.example/page"));
        edit->setCursorPosition(7);
        const QPointF at(4, 4);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, edit->mapToGlobal(at), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &dbl);
        QCOMPARE(edit->selectedText(), QStringLiteral("school.example/page"));
    }
};

QTEST_MAIN(TestNavigationPolicy)
#include "tst_navigationpolicy.moc"
