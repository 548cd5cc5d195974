#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "FakeWindowFixture.h"
#include "browser/MenuCommands.h"
#include "state/SettingsKeys.h"

using namespace SettingsKeys;
using Status = WebComponent::CommandStatus;
using Command = WebComponent::Command;

Q_DECLARE_METATYPE(ProfileKind)

// The menu bar of a browser window and the commands it runs, against the scripted component
// and recording services.
class TestMenus : public QObject, private FakeWindowFixture {
    Q_OBJECT

    QTemporaryDir m_bin;
    QByteArray m_path;

    static void trigger(BrowserWindow* window, const char* item) {
        child<QAction>(window, item)->trigger();
    }
    // A program of this name on PATH, alone there.
    void installProgram(const QString& name) {
        QFile program(m_bin.path() + QLatin1Char('/') + name);
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\n");
        program.close();
        QVERIFY(program.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    }
    static void addKinds() {
        QTest::addColumn<ProfileKind>("kind");
        QTest::newRow("ZD2") << ProfileKind::ZD2;
        QTest::newRow("ZD") << ProfileKind::ZD;
        QTest::newRow("ZD3") << ProfileKind::ZD3;
    }

private slots:
    void init() {
        begin();
        m_path = qgetenv("PATH");
        qputenv("PATH", m_bin.path().toUtf8());
    }
    void cleanup() {
        qputenv("PATH", m_path);
        QDir(m_bin.path()).removeRecursively();
        QDir().mkpath(m_bin.path());
        end();
    }

    void menuTree_data() { addKinds(); }

    // Menus ("M"), their items ("I") and commands on the bar itself ("B"), in bar order.
    void menuTree() {
        QFETCH(ProfileKind, kind);
        const QStringList expected = {
            "M File &File",
            "I NewBrowser &New Browser",
            "I OpenFile &Open File",
            "I SaveAs &Save As",
            "I PageSetup Pa&ge Setup",
            "I Print &Print",
            "I ShowAddress &Address Book",
            "I Tip &Tip of the Day",
            "M ED &Edit",
            "I CP &Copy",
            "I PM &Paste",
            "I SelectAll &Select All",
            "I ScreenCapture Scree&n Capture",
            "M Info &Info",
            "I About &About",
            "I CompanyProfile &Company Profile",
            "I ViewLog &View Log File",
            "M Email &Email",
            "I OL &Open Mail Client",
            "B Wizard W&izard",
            "M BookMarks &BookMarks",
            "I LoadBookMark &Open Book Mark",
            "I AddBookMark &Add Book Mark",
            "M Screen &ToolBars",
            "I Main &Main checked",
            "I Custom &Custom checked",
            "I StatusBar &StatusBar checked",
            "M window &Window",
            "I Cascade &Cascade",
            "I Tile &Tile Horizontally",
            "I TileV Tile &Vertically",
        };
        const auto describe = [](const char* level, QObject* named, QAction* action) {
            QString row = QLatin1String(level) + QLatin1Char(' ') + named->objectName() +
                          QLatin1Char(' ') + action->text();
            if (action->isChecked()) row += QStringLiteral(" checked");
            return row;
        };
        BrowserWindow* window = open(kind);
        QStringList tree;
        for (QAction* entry : window->menuBarActions()) {
            if (QMenu* menu = entry->menu()) {
                tree << describe("M", menu, entry);
                for (QAction* item : menu->actions()) tree << describe("I", item, item);
            } else {
                tree << describe("B", entry, entry);
            }
        }
        QCOMPARE(tree, expected);
    }

    void wizardWritesTheLayoutsCapacity_data() {
        QTest::addColumn<ProfileKind>("kind");
        QTest::addColumn<QString>("capacity");
        QTest::newRow("ZD2") << ProfileKind::ZD2 << "14";
        QTest::newRow("ZD") << ProfileKind::ZD << "19";
        QTest::newRow("ZD3") << ProfileKind::ZD3 << "24";
    }

    void wizardWritesTheLayoutsCapacity() {
        QFETCH(ProfileKind, kind);
        QFETCH(QString, capacity);
        BrowserWindow* window = open(kind);
        trigger(window, "Wizard");
        QCOMPARE(m_env->forms.opened, QStringList{"Form1"});
        QCOMPARE(m_env->forms.capacities, QStringList{capacity});
    }

    void mailClientMissing_data() {
        QTest::addColumn<ProfileKind>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("ZD2") << ProfileKind::ZD2
                             << "The wizard needs a selection for the email client.";
        QTest::newRow("ZD") << ProfileKind::ZD
                            << "The wizard needs a selection for the mail client.";
        QTest::newRow("ZD3") << ProfileKind::ZD3
                             << "The wizard needs a selection for the email client.";
    }

    // The message, then the wizard, with no capacity to write.
    void mailClientMissing() {
        QFETCH(ProfileKind, kind);
        QFETCH(QString, message);
        BrowserWindow* window = open(kind);
        trigger(window, "OL");
        QCOMPARE(m_env->dialogs.messages, QStringList{message});
        QCOMPARE(m_env->forms.opened, QStringList{"Form1"});
        QCOMPARE(m_env->forms.capacities, QStringList{QString()});
        QVERIFY(m_env->launcher.launched.isEmpty());
    }

    void mailClientLaunched() {
        m_env->settings->write(kEMail, kSelection, QStringLiteral("\"/opt/mail app/run\" -c"));
        BrowserWindow* window = open();
        trigger(window, "OL");
        QCOMPARE(m_env->launcher.launched, QStringList{"\"/opt/mail app/run\" -c"});
        QVERIFY(m_env->dialogs.messages.isEmpty());
        QVERIFY(m_env->forms.opened.isEmpty());
    }

    // Only in the largest layout does opening the Email menu run the mail client first.
    void emailTitle_data() {
        QTest::addColumn<ProfileKind>("kind");
        QTest::addColumn<int>("launches");
        QTest::newRow("ZD2") << ProfileKind::ZD2 << 0;
        QTest::newRow("ZD") << ProfileKind::ZD << 0;
        QTest::newRow("ZD3") << ProfileKind::ZD3 << 1;
    }

    void emailTitle() {
        QFETCH(ProfileKind, kind);
        QFETCH(int, launches);
        m_env->settings->write(kEMail, kSelection, QStringLiteral("mailer"));
        BrowserWindow* window = open(kind);
        auto* email = child<QMenu>(window, "Email");
        email->popup(QPoint(0, 0));
        QTRY_VERIFY(email->isVisible());
        QCOMPARE(m_env->launcher.launched.size(), launches);
        email->close();
    }

    void formsOpen_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("form");
        QTest::newRow("About") << "About"
                               << "frmAbout";
        QTest::newRow("Company Profile") << "CompanyProfile"
                                         << "company";
        QTest::newRow("View Log File") << "ViewLog"
                                       << "frmTip1";
        QTest::newRow("Tip of the Day") << "Tip"
                                        << "frmTip";
    }

    void formsOpen() {
        QFETCH(QString, item);
        QFETCH(QString, form);
        BrowserWindow* window = open();
        trigger(window, qPrintable(item));
        QCOMPARE(m_env->forms.opened, QStringList{form});
        QVERIFY(m_env->forms.capacities.isEmpty());
    }

    void openFile() {
        BrowserWindow* window = open();
        trigger(window, "OpenFile");
        QCOMPARE(fake(window)->calls, QStringList{});
        QCOMPARE(m_env->dialogs.filters,
                 QStringList{"Html-Htm (*.html *.htm)|*.html;*.htm|Pictures(*.jpg *.gif)|*.jpg;"
                             "*.gif|Text & Doc Files(*.doc *.txt *.rtf)|*.doc;*.txt;*.rtf|All "
                             "Files(*.*)|*.*"});
        QCOMPARE(m_env->dialogs.directories, QStringList{QString()});
        window->activateWindow();
        m_env->dialogs.files << QStringLiteral("/home/pupil/My Page.html");
        trigger(window, "OpenFile");
        QCOMPARE(fake(window)->calls, QStringList{"Navigate /home/pupil/My Page.html"});
        QTRY_VERIFY(window->webComponent()->widget()->hasFocus());
    }

    // What each web command does in each status: "call" is what reaches the component,
    // "message" what the user reads. A hidden (refused) page counts as not enabled for the
    // commands that act on the whole page.
    void webCommands_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("pageShown");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("message");
        const QString print = QStringLiteral("The Print command is currently disabled.");
        const int failed = int(Status::QueryFailed), off = int(Status::NotEnabled),
                  on = int(Status::Enabled);
        QTest::newRow("Save As") << "SaveAs" << on << true << "ExecWB SaveAs /dl/page.html"
                                 << "";
        QTest::newRow("Save As, no page") << "SaveAs" << failed << true << ""
                                          << "";
        QTest::newRow("Save As, off") << "SaveAs" << off << true << ""
                                      << "The SaveAs command is currently disabled.";
        QTest::newRow("Save As, hidden page") << "SaveAs" << on << false << ""
                                              << "The SaveAs command is currently disabled.";
        QTest::newRow("Page Setup") << "PageSetup" << on << true << ""
                                    << "";
        QTest::newRow("Page Setup, off") << "PageSetup" << off << true << "" << print;
        QTest::newRow("Print") << "Print" << on << true << "Print"
                               << "";
        QTest::newRow("Print, no page") << "Print" << failed << true << ""
                                        << "";
        QTest::newRow("Print, hidden page") << "Print" << on << false << "" << print;
        QTest::newRow("Copy") << "CP" << on << true << "ExecWB Copy"
                              << "";
        QTest::newRow("Copy, no selection") << "CP" << off << true << ""
                                            << "Select the text before utilizing this option.";
        QTest::newRow("Select All") << "SelectAll" << on << true << "ExecWB SelectAll"
                                    << "";
        QTest::newRow("Select All, off")
            << "SelectAll" << off << true << ""
            << "Click on the screen to set the focus to the screen before utilizing this "
               "feature.";
        QTest::newRow("Paste") << "PM" << on << true << "ExecWB Paste"
                               << "";
        QTest::newRow("Paste, off") << "PM" << off << true << ""
                                    << "";
        QTest::newRow("Paste, hidden page") << "PM" << on << false << ""
                                            << "";
    }

    void webCommands() {
        QFETCH(QString, item);
        QFETCH(int, status);
        QFETCH(bool, pageShown);
        QFETCH(QString, call);
        QFETCH(QString, message);
        BrowserWindow* window = open();
        window->menuCommands().webCommands().setPrinterInstalled([] { return true; });
        fake(window)->completeNavigation(QStringLiteral("http://page.example/"));
        if (!pageShown) window->webComponent()->hide();
        fake(window)->calls.clear();
        for (Command command : {Command::SaveAs, Command::PageSetup, Command::Print, Command::Copy,
                                Command::Paste, Command::SelectAll}) {
            fake(window)->statuses[command] = Status(status);
        }
        m_env->dialogs.files << QStringLiteral("/dl/page.html");
        m_env->dialogs.printAnswers << true;
        trigger(window, qPrintable(item));
        QCOMPARE(fake(window)->calls, call.isEmpty() ? QStringList{} : QStringList{call});
        QCOMPARE(m_env->dialogs.messages, message.isEmpty() ? QStringList{} : QStringList{message});
        const bool dialogExpected = status == int(Status::Enabled) && pageShown;
        QCOMPARE(m_env->dialogs.pageSetupDialogs, item == "PageSetup" && dialogExpected ? 1 : 0);
    }

    // Without a printer, Print writes a PDF file chosen in the save dialog.
    void printWithoutPrinterWritesPdf() {
        BrowserWindow* window = open();
        window->menuCommands().webCommands().setPrinterInstalled([] { return false; });
        fake(window)->completeNavigation(QStringLiteral("http://page.example/"));
        fake(window)->calls.clear();
        trigger(window, "Print");
        QCOMPARE(fake(window)->calls, QStringList{});
        m_env->dialogs.files << QStringLiteral("/dl/page.pdf");
        trigger(window, "Print");
        QCOMPARE(fake(window)->calls, QStringList{"PrintToPdf /dl/page.pdf"});
        QCOMPARE(m_env->dialogs.filters,
                 (QStringList{"PDF Files (*.pdf)|*.pdf", "PDF Files (*.pdf)|*.pdf"}));
        QCOMPARE(m_env->dialogs.printDialogs, 0);
    }

    // With typing forbidden, Paste still goes only to the page, even from the address box,
    // so it cannot type an address.
    void pasteNeverReachesTheAddressBox() {
        m_env->settings->write(kManualBrowsing, kAllowed, QStringLiteral("1"));
        BrowserWindow* window = open();
        fake(window)->completeNavigation(QStringLiteral("http://page.example/"));
        fake(window)->calls.clear();
        auto* address = child<QComboBox>(window, "cboAddress");
        const QString before = address->currentText();
        QGuiApplication::clipboard()->setText(QStringLiteral("http://elsewhere.example/"));
        address->setFocus();
        trigger(window, "PM");
        QCOMPARE(fake(window)->calls, QStringList{"ExecWB Paste"});
        QCOMPARE(address->currentText(), before);
        QVERIFY(address->isHidden());
    }

    // Page Setup's choices hold for the window's next Print, to a printer or to a PDF file.
    void pageSetupKeptForPrint() {
        BrowserWindow* window = open();
        bool printer = true;
        window->menuCommands().webCommands().setPrinterInstalled([&printer] { return printer; });
        fake(window)->completeNavigation(QStringLiteral("http://page.example/"));
        m_env->dialogs.pageSetupLandscape = true;
        trigger(window, "PageSetup");
        trigger(window, "Print");
        QCOMPARE(m_env->dialogs.printOrientations, QList{QPageLayout::Landscape});
        printer = false;
        m_env->dialogs.files << QStringLiteral("/dl/page.pdf");
        trigger(window, "Print");
        QCOMPARE(fake(window)->pdfLayout.orientation(), QPageLayout::Landscape);
        // Another window keeps its own choices.
        BrowserWindow* other = m_host->openBrowserWindow(ProfileKind::ZD);
        fake(other)->completeNavigation(QStringLiteral("http://page.example/"));
        other->menuCommands().webCommands().setPrinterInstalled([] { return true; });
        trigger(other, "Print");
        QCOMPARE(m_env->dialogs.printOrientations,
                 (QList{QPageLayout::Landscape, QPageLayout::Portrait}));
    }

    void addressBook_data() {
        QTest::addColumn<ProfileKind>("kind");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("policy");
        QTest::addColumn<QString>("launched");
        QTest::addColumn<bool>("message");
        QTest::newRow("ZD2 first of list") << ProfileKind::ZD2 << "gnome-contacts kaddressbook"
                                           << ""
                                           << "gnome-contacts" << false;
        QTest::newRow("ZD evolution") << ProfileKind::ZD << "evolution"
                                      << ""
                                      << "evolution --component=contacts" << false;
        QTest::newRow("ZD2 none") << ProfileKind::ZD2 << ""
                                  << ""
                                  << "" << true;
        QTest::newRow("ZD none") << ProfileKind::ZD << ""
                                 << ""
                                 << "" << false;
        QTest::newRow("ZD3 none") << ProfileKind::ZD3 << ""
                                  << ""
                                  << "" << false;
        QTest::newRow("ZD2 family site") << ProfileKind::ZD2 << "kaddressbook"
                                         << "family"
                                         << "" << true;
        QTest::newRow("ZD3 restricted") << ProfileKind::ZD3 << "kaddressbook"
                                        << "restricted"
                                        << "" << false;
    }

    void addressBook() {
        QFETCH(ProfileKind, kind);
        QFETCH(QString, installed);
        QFETCH(QString, policy);
        QFETCH(QString, launched);
        QFETCH(bool, message);
        for (const QString& name : installed.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            installProgram(name);
        if (policy == "family") m_env->settings->write(kDisney, kOnly, QStringLiteral("1"));
        if (policy == "restricted")
            m_env->settings->write(kRestriction, kAllowed, QStringLiteral("Yes"));
        BrowserWindow* window = open(kind);
        trigger(window, "ShowAddress");
        QCOMPARE(m_env->launcher.launched,
                 launched.isEmpty() ? QStringList{}
                                    : QStringList{m_bin.path() + QLatin1Char('/') + launched});
        const QString text = QStringLiteral(
            "This option is only available if the IE Address Book is on your system.  If the "
            "file is present but not appearing in this application, make sure the file wab.exe "
            "is in the Outlook Directory.  Future Zelvo Browser release will allow for Address "
            "Book assignments.");
        QCOMPARE(m_env->dialogs.messages, message ? QStringList{text} : QStringList{});
    }

    void arrangementsGoToTheHost() {
        BrowserWindow* window = open();
        trigger(window, "Cascade");
        trigger(window, "Tile");
        trigger(window, "TileV");
        QCOMPARE(m_host->arrangements,
                 (QList<WindowArrangement>{WindowArrangement::Cascade,
                                           WindowArrangement::TileHorizontally,
                                           WindowArrangement::TileVertically}));
    }

    // Without a form opener the form commands do nothing, rather than crash.
    void noFormOpener() {
        BrowserContext context = m_env->context(FakeWebComponent::factory());
        context.forms = nullptr;
        TestHost host(context);
        BrowserWindow* window = host.openBrowserWindow(ProfileKind::ZD);
        for (const char* item : {"Wizard", "OL", "About", "CompanyProfile", "ViewLog", "Tip"})
            trigger(window, item);
        QCOMPARE(m_env->dialogs.messages,
                 QStringList{"The wizard needs a selection for the mail client."});
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
