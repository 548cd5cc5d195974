#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "DatabaseFixture.h"
#include "FormTexts.h"
#include "LockingSettingsStore.h"
#include "TestEnvironment.h"
#include "dialogs/MaintenanceCommands.h"
#include "editors/ToolbarEntry.h"
#include "platform/AdminPassword.h"
#include "platform/AdminPasswordPrompt.h"
#include "state/FixedAddresses.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"
#include "wizard/HomePageTab.h"
#include "wizard/LockedControls.h"
#include "wizard/WizardDialog.h"
#include "wizard/WizardEntry.h"
#include "wizard/WizardPassword.h"

namespace K = SettingsKeys;

namespace {

const QString kManualOn = QStringLiteral("Manual Browsing Allowed Dis-Allowed.");
const QString kManualOff = QStringLiteral("Manual Browsing Allowed.");
const QString kDisneyActive = QStringLiteral("Disney option is active.");
const QString kDisneyLong = QStringLiteral(
    "The Disney Selection always over writes the default Home Page selection.  When in use, the "
    "Disney option will not include access to Domains listed in the Domain area.  NO NEED to "
    "erase all those laborious entries!");
const QString kDomainsFirst = QStringLiteral(
    "This feature can only be enabled once the Domains feature is utilized.  Click on the "
    "Domains button and add the domain names in the following form.");
const QString kEnable = QStringLiteral("Enable Domian Restrictions");
const QString kIgnore = QStringLiteral("Ignore Domian Restrictions");
const QString kImageShown = QStringLiteral("This image will now appear in the About Box.");
const QString kImageErased = QStringLiteral("Image has been erased.");
const QString kVersionSaved =
    QStringLiteral("This Version description will appear in the About Box.");
const QString kNotesSaved = QStringLiteral("This text will appear in the About Box.");
const QString kLogCleared = QStringLiteral("The Log File has been cleared.");

void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
}

void loseFocus(QWidget* control, Qt::FocusReason reason) {
    QFocusEvent focusOut(QEvent::FocusOut, reason);
    QApplication::sendEvent(control, &focusOut);
}

bool showsPicture(const QLabel* box) {
    return !box->pixmap().isNull();
}

}  // namespace

class TestWizard : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    LockingSettingsStore* m_locks = nullptr;

    QString database() const { return m_env->appPath() + QStringLiteral("/Links.mdb"); }
    QString read(const char* section, const char* key) const {
        return m_env->settings->read(section, key);
    }
    void write(const char* section, const char* key, const QString& value) {
        QVERIFY(m_env->settings->write(section, key, value));
    }
    AppServices services() const {
        AppServices s;
        s.applicationDirectory = m_env->appPath();
        s.settings = m_env->settings.get();
        s.dialogs = &m_env->dialogs;
        s.launcher = &m_env->launcher;
        s.forms = &m_env->forms;
        return s;
    }
    std::unique_ptr<WizardDialog> startWizard() {
        auto wizard = std::make_unique<WizardDialog>(services());
        wizard->startUp();
        return wizard;
    }
    template <typename T>
    static T* child(const WizardDialog& wizard, const char* name) {
        T* found = wizard.findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    void fillVisits(int rows) {
        QVERIFY(TestDatabase::insertEach(
            database(), QStringLiteral("INSERT INTO Visited (Visited) VALUES (?)"),
            TestDatabase::numbered(QStringLiteral("http://v/%1"), rows)));
    }
    void fillDomains(const QStringList& domains) {
        QVERIFY(TestDatabase::insertEach(
            database(), QStringLiteral("INSERT INTO Domains (URL) VALUES (?)"), domains));
    }
    void addLinks(const QStringList& links) {
        LinksDatabase db(database());
        for (const QString& link : links)
            QVERIFY(db.addLink(link.section('|', 0, 0), link.section('|', 1)).isEmpty());
    }
    // Every quick link as "name|address", in key order.
    QStringList storedLinks() const {
        QStringList links;
        for (const QString& row : TestDatabase::dump(database())) {
            const QStringList fields = row.split(QLatin1Char('|'));
            if (fields.value(0) == QLatin1String("Links")) links << fields.mid(2).join('|');
        }
        return links;
    }
    static QStringList listLines(const WizardDialog& wizard, const char* name) {
        QStringList lines;
        const auto* list = child<QListWidget>(wizard, name);
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }
    // A 32x32 dark blue picture in the application directory.
    QString savedPicture(const QString& fileName, const char* format) const {
        QPixmap picture(32, 32);
        picture.fill(Qt::darkBlue);
        const QString file = m_env->appPath() + QLatin1Char('/') + fileName;
        if (!picture.save(file, format)) qFatal("cannot save %s", qPrintable(file));
        return file;
    }
    // The started wizard, shown and active on the tab captioned `caption`, so that the
    // focus moves as a user sees it.
    std::unique_ptr<WizardDialog> shownOnTab(const char* caption) {
        auto wizard = startWizard();
        auto* tabs = child<QTabWidget>(*wizard, "SSTab1");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == QLatin1String(caption)) tabs->setCurrentIndex(i);
        wizard->show();
        if (!QTest::qWaitForWindowActive(wizard.get())) qFatal("wizard not active");
        return wizard;
    }
    // A small bitmap in the application directory.
    QString bitmap(const QString& name) const {
        const QString file = m_env->appPath() + QLatin1Char('/') + name;
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        if (!image.save(file, "BMP")) qFatal("cannot write %s", qPrintable(file));
        return file;
    }
    // A password stored with few rounds, so that tests of wrong answers stay quick.
    void storeQuickPassword(const QString& password) {
        write(K::kPassword, K::kHash, AdminPassword::hash(password, 1000));
    }

private slots:
    void init() {
        m_env = std::make_unique<TestEnvironment>();
        auto store = std::make_unique<LockingSettingsStore>(m_env->iniFile());
        m_locks = store.get();
        m_env->settings = std::move(store);
        QVERIFY(LinksDatabase::createEmpty(database()).isEmpty());
    }

    void fixedTexts_data() {
        FormTexts::addColumns();
        using FormTexts::row;
        row("Form1", "WizardDialog", "Zelvo Browser Wizard");
        row("SSTab1", "QTabWidget", {});
        row("HomePageFrame", "QGroupBox",
            "Default Startup Page - Double Click for find file - (Enter to Save)");
        row("Text2", "QLineEdit", "http://",
            "Default start page. Web Address or double click to search.");
        row("IconFrame", "QGroupBox", "Icon File Location  (Auto Save)");
        row("Image6", "QLabel", {}, "Icon image here when selected.");
        row("icontext", "QLineEdit", "No Icon selected.  Default Icon On Display",
            "This field will be populated with the icons path and file description after "
            "selecting an icon from the adjacent icon selection box.");
        row("SafeOptionsFrame", "QGroupBox", "Safe Options");
        row("ManualBrowsing", "QCheckBox", "Dis-Allow Manual Browsing",
            "Enable or disable manual browsing with the keyboard.");
        row("Password", "QCheckBox", "Password Protected", "Forces a password at Wizard start up.");
        row("Disney", "QCheckBox", "Keep'em at Disney!",
            "This option will allow browser to visit Disney sites even though domain "
            "restrictions may exist.");
        row("Command16", "QPushButton", "&HELP", "Password Entry");
        row("Command11", "QPushButton", "&Reminders",
            "Have a text or voice message played at a certain time.  Gotta love it!");
        row("Command15", "QPushButton", "&Edit Tips", "Edit the Tips file here");
        row("Command14", "QPushButton", "&Domains",
            "Click Here to add/edit domains allowed by this browser.");
        row("Command2", "QPushButton", "Clear &Log", "Clear the user log file.");
        row("Command4", "QPushButton", "&Read Log",
            "Text file with all sites visited from browser.");
        row("Command13", "QPushButton", "&Daily Tips", "Enter a new daily tip.");
        row("Command10", "QPushButton", "&Set Limit",
            "Set the time limit browser is allowed to operate per 24 hours.");
        row("Command1", "QPushButton", "&Ignore Domian Restrictions",
            "Click this button to enable or disable the domain restriction option.");
        row("EMailFrame", "QGroupBox", "EMail Client");
        row("Command67", "QPushButton", "&Mail Client Selection");
        row("InternetFrame", "QGroupBox", "Internet Settings");
        row("but", "QPushButton", "Con&figure Settings", "Click here to view Internet settings.");
        row("Command12", "QPushButton", "&Close");
        row("Command9", "QPushButton", "C&lose");
        row("LinkList", "QListWidget", {},
            "Single click the item to view the associated Link Name and URL.  Dbl Click for "
            "edit mode.");
        row("LinkNameFrame", "QGroupBox", "Link Name/Description (All fields saved automatically)");
        row("LinkName", "QLineEdit", {}, "Enter a name for the hyperlink.");
        row("URLFrame", "QGroupBox", "World Wide Web URL - (http:// not required)");
        row("URL", "QLineEdit", {}, "Web Address here.");
        row("NewRec", "QPushButton", "&New Record");
        row("AddRec", "QPushButton", "&Add To List", {}, false);
        row("DeleteRec", "QPushButton", "&Delete From List");
        row("SaveEdit", "QPushButton", "&Save Edited Record", {}, false);
        row("CancelAddNew", "QPushButton", "&Cancel Add New", {}, false);
        row("BackToReg", "QPushButton", "&Stop Edit Mode", {}, false);
        row("VersionFrame", "QGroupBox", "Version # (Auto save)");
        row("MiscFrame", "QGroupBox", "Misc. Information (Auto save)");
        row("AboutPictureFrame", "QGroupBox", "About Picture (Dbl Click to Search)");
        row("Search", "QPushButton", "&Find Image");
        row("Command7", "QPushButton", "&Close");
        row("IconList", "QListWidget", {},
            "Single click the list box item do view the associated Link Name and URL.");
        row("IconSettingsFrame", "QGroupBox",
            "Icon Settings - Note: Tab or Enter to toggle between controls after entering valid "
            "data");
        row("IconNameLabel", "QLabel", "Button Name");
        row("IconName", "QLineEdit", {}, {}, false);
        row("IconPathLabel", "QLabel", "Icon or Bitmap Location");
        row("IconPath", "QLineEdit", {}, {}, false);
        row("SearchPath", "QPushButton", "Search", {}, false);
        row("IconCommandLineLabel", "QLabel",
            "Command Line - Ex: c:\\windows\\calc.exe or http://www.example.com");
        row("IconCommandLine", "QLineEdit", {}, {}, false);
        row("CommandLineSearch", "QPushButton", "Search", {}, false);
        row("IconListLabel", "QLabel", "Single Click on Item to View Properties and/or Delete");
        row("AddNewIcon", "QPushButton", "&Add New Button");
        row("CancelNewButton", "QPushButton", "&Cancel Add New", {}, false);
        row("AddToToolBar", "QPushButton", "Add To &ToolBar", {}, false);
        row("DeleteFromToolbar1", "QPushButton", "&Delete From Toolbar", {}, false);
        row("CloseMe", "QPushButton", "&Close");
        row("CompanyFrame", "QGroupBox", "Company Info (Saved Automatically)");
        row("c1", "QLineEdit", {}, "General Info");
        row("c9", "QLineEdit", {}, "General Info");
        row("Command17", "QPushButton", "&Close");
        row("ReinitFrame", "QGroupBox", "Re-Initialize Registry Settings");
        row("ReinitLabel", "QLabel",
            "If you are experiencing errors from missing files that may have been relocated or "
            "deleted, click the initialize button.  This will erase all registry files and "
            "thereby remove all button pics and personal information settings.  These features "
            "will have to be re-configured.  It may take a while but in most cases, this fix "
            "will take care of all error messages.  If you have an error message that will not "
            "behave, PLEASE LET US KNOW!   We want you to enjoy Zelvo Browser.  Feedback on bugs "
            "(should they arise) enables The Zelvo Browser Team the ability to zoom in on a "
            "patch file.");
        row("Command20", "QPushButton", "&Re-Initialize Settings",
            "Link Lists from the Main Menu as well as Domain and Log Information will not be "
            "deleted.  Most seetings being erased are quick to set up again.  :>");
        row("CloseIt", "QPushButton", "&Close");
    }

    void fixedTexts() {
        WizardDialog wizard(services());
        FormTexts::check(&wizard);
    }

    void tabsInOrder() {
        WizardDialog wizard(services());
        const auto* tabs = child<QTabWidget>(wizard, "SSTab1");
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
        QCOMPARE(captions, (QStringList{"Home Page", "Links", "About Box", "ToolBar",
                                        "Company Profile", "Settings"}));
    }

    void fitsTheSmallestScreen() {
        WizardDialog wizard(services());
        QVERIFY2(wizard.sizeHint().width() <= 640 && wizard.sizeHint().height() <= 450,
                 qPrintable(QStringLiteral("%1x%2")
                                .arg(wizard.sizeHint().width())
                                .arg(wizard.sizeHint().height())));
    }

    void logWarningAboveAThousand_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("1000") << 1000 << QStringList();
        QTest::newRow("1001") << 1001
                              << QStringList{
                                     "The Log File has over 1001 records.  It is a good "
                                     "idea (but not necessary) to empty the log file "
                                     "when it gets this large."};
    }

    void logWarningAboveAThousand() {
        QFETCH(int, rows);
        QFETCH(QStringList, messages);
        fillVisits(rows);
        const auto wizard = startWizard();
        QCOMPARE(m_env->dialogs.messages, messages);
    }

    void missingDatabaseCountsAsEmptyLog() {
        QVERIFY(QFile::remove(database()));
        const auto wizard = startWizard();
        // Only the quick-link list reports the missing file; no log warning.
        QCOMPARE(m_env->dialogs.messages.size(), 1);
        QVERIFY(!m_env->dialogs.messages.first().contains(QStringLiteral("Log File")));
    }

    void storedFlagsRerunTheirActions_data() {
        QTest::addColumn<QString>("manual");
        QTest::addColumn<QString>("disney");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("neither") << "0"
                                 << "" << QStringList();
        QTest::newRow("manual") << "1"
                                << "0" << QStringList{kManualOn};
        QTest::newRow("disney") << ""
                                << "1" << QStringList{kDisneyActive, kDisneyLong};
        QTest::newRow("both") << "1"
                              << "1" << QStringList{kManualOn, kDisneyActive, kDisneyLong};
        QTest::newRow("not exactly 1") << " 1"
                                       << "Yes" << QStringList();
    }

    void storedFlagsRerunTheirActions() {
        QFETCH(QString, manual);
        QFETCH(QString, disney);
        QFETCH(QStringList, messages);
        write(K::kManualBrowsing, K::kAllowed, manual);
        write(K::kDisney, K::kOnly, disney);
        write(K::kHome, K::kFirstKey, QStringLiteral("http://school.example/"));
        const auto wizard = startWizard();
        QCOMPARE(m_env->dialogs.messages, messages);
        const bool disneyOn = disney == QLatin1String("1");
        QCOMPARE(read(K::kHome, K::kFirstKey), disneyOn ? FixedAddresses::familySiteHome()
                                                        : QStringLiteral("http://school.example/"));
        QCOMPARE(child<QLineEdit>(*wizard, "Text2")->text(), read(K::kHome, K::kFirstKey));
        QCOMPARE(child<QCheckBox>(*wizard, "ManualBrowsing")->isChecked(), manual == "1");
        QCOMPARE(child<QCheckBox>(*wizard, "Disney")->isChecked(), disneyOn);
        QCOMPARE(read(K::kManualBrowsing, K::kAllowed), manual);
    }

    void manualBrowsingClick() {
        const auto wizard = startWizard();
        auto* box = child<QCheckBox>(*wizard, "ManualBrowsing");
        box->click();
        box->click();
        QCOMPARE(m_env->dialogs.messages, (QStringList{kManualOn, kManualOff}));
        QCOMPARE(read(K::kManualBrowsing, K::kAllowed), QStringLiteral("0"));
    }

    void disneyDisabledWithSixEmptyAnswers() {
        write(K::kDisney, K::kOnly, QStringLiteral("1"));
        const auto wizard = startWizard();
        m_env->dialogs.messages.clear();
        m_env->dialogs.inputs << QString() << QString();  // the rest are cancelled
        child<QCheckBox>(*wizard, "Disney")->click();
        QCOMPARE(m_env->dialogs.prompts.size(), 6);
        QCOMPARE(m_env->dialogs.prompts.first(),
                 QStringLiteral("The Disney option has been disabled.  Please enter a new default "
                                "home page for the browser before proceeding."));
        QCOMPARE(m_env->dialogs.messages,
                 QStringList{"Since an empty value is not allowed for proper program operation, "
                             "we'll enter an address for you.  Take a guess?"});
        QCOMPARE(child<QLineEdit>(*wizard, "Text2")->text(),
                 FixedAddresses::vendorHome(m_env->appPath()));
        QCOMPARE(read(K::kHome, K::kFirstKey), FixedAddresses::familySiteHome());
        QCOMPARE(read(K::kDisney, K::kOnly), QStringLiteral("0"));
    }

    void disneyDisabledWithAFirstAnswer() {
        write(K::kDisney, K::kOnly, QStringLiteral("1"));
        const auto wizard = startWizard();
        m_env->dialogs.messages.clear();
        m_env->dialogs.inputs << QStringLiteral("http://library.example/");
        child<QCheckBox>(*wizard, "Disney")->click();
        QCOMPARE(m_env->dialogs.prompts.size(), 1);
        QVERIFY(m_env->dialogs.messages.isEmpty());
        QCOMPARE(read(K::kHome, K::kFirstKey), QStringLiteral("http://library.example/"));
        QCOMPARE(child<QLineEdit>(*wizard, "Text2")->text(),
                 QStringLiteral("http://library.example/"));
    }

    void restrictionCaptionFollowsTheStore_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Yes") << "Yes" << kEnable;
        QTest::newRow("yes") << "yes" << kIgnore;
        QTest::newRow("empty") << "" << kIgnore;
    }

    void restrictionCaptionFollowsTheStore() {
        QFETCH(QString, stored);
        QFETCH(QString, caption);
        write(K::kRestriction, K::kAllowed, stored);
        const auto wizard = startWizard();
        QCOMPARE(child<QPushButton>(*wizard, "Command1")->text(), caption);
    }

    void toggleWithEmptyDomains() {
        const auto wizard = startWizard();
        child<QPushButton>(*wizard, "Command1")->click();
        QCOMPARE(m_env->dialogs.messages, QStringList{kDomainsFirst});
        QCOMPARE(child<QPushButton>(*wizard, "Command1")->text(), kIgnore);
        QCOMPARE(read(K::kRestriction, K::kAllowed), QString());
    }

    void toggleWithDomains() {
        fillDomains({QStringLiteral("school.example")});
        const auto wizard = startWizard();
        auto* toggle = child<QPushButton>(*wizard, "Command1");
        toggle->click();
        QCOMPARE(toggle->text(), kEnable);
        QCOMPARE(read(K::kRestriction, K::kAllowed), QStringLiteral("Yes"));
        toggle->click();
        QCOMPARE(toggle->text(), kIgnore);
        QCOMPARE(read(K::kRestriction, K::kAllowed), QStringLiteral("No"));
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void toggleWithAnEmptyFirstDomainDoesNothing() {
        fillDomains({QString(), QStringLiteral("school.example")});
        const auto wizard = startWizard();
        child<QPushButton>(*wizard, "Command1")->click();
        QCOMPARE(child<QPushButton>(*wizard, "Command1")->text(), kIgnore);
        QCOMPARE(read(K::kRestriction, K::kAllowed), QString());
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void closingMessageOnEveryClose_data() {
        QTest::addColumn<QString>("button");
        for (const char* name :
             {"Command12", "Command9", "Command7", "CloseMe", "Command17", "CloseIt", ""})
            QTest::newRow(*name ? name : "window close") << QString::fromLatin1(name);
    }

    void closingMessageOnEveryClose() {
        QFETCH(QString, button);
        const auto wizard = startWizard();
        wizard->show();
        if (button.isEmpty())
            wizard->close();
        else
            child<QPushButton>(*wizard, qPrintable(button))->click();
        QCOMPARE(m_env->dialogs.messages, QStringList{WizardDialog::closingMessage()});
        QVERIFY(!wizard->isVisible());
    }

    void homePageSavedWhenItLosesTheFocus() {
        const auto wizard = startWizard();
        auto* field = child<QLineEdit>(*wizard, "Text2");
        field->setText(QStringLiteral("http://typed.example/"));
        QCOMPARE(read(K::kHome, K::kFirstKey), QString());
        QFocusEvent focusOut(QEvent::FocusOut);
        QApplication::sendEvent(field, &focusOut);
        QCOMPARE(read(K::kHome, K::kFirstKey), QStringLiteral("http://typed.example/"));
    }

    void homePageFileDialogRemembersItsChoice() {
        const auto wizard = startWizard();
        auto* field = child<QLineEdit>(*wizard, "Text2");
        const auto doubleClick = [field] {
            QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(field, &event);
        };
        write(K::kHome, K::kFirstKey, QStringLiteral("http://before.example/"));
        doubleClick();  // cancelled before any choice: empties field and setting
        QCOMPARE(field->text(), QString());
        QCOMPARE(read(K::kHome, K::kFirstKey), QString());
        m_env->dialogs.files << QStringLiteral("/srv/pages/start.html");
        doubleClick();
        doubleClick();  // cancelled: the earlier choice comes back
        QCOMPARE(field->text(), QStringLiteral("/srv/pages/start.html"));
        QCOMPARE(read(K::kHome, K::kFirstKey), QStringLiteral("/srv/pages/start.html"));
        QCOMPARE(m_env->dialogs.filters.first(), QStringLiteral("All Files (*.*)|*.*"));
    }

    void toolbarSlotsReadUpToTheCapacity() {
        write(K::kButtonCount, K::kAmount, QStringLiteral("3"));
        write(K::kToolName, "0", QStringLiteral("Calc"));
        write(K::kToolName, "2", QStringLiteral("News"));
        write(K::kToolName, "3", QStringLiteral("Beyond"));
        write(K::kToolFileName, "2", QStringLiteral("http://news.example/"));
        const auto wizard = startWizard();
        QCOMPARE(child<QLineEdit>(*wizard, "MaxButtons")->text(), QStringLiteral("2"));
        QStringList names;
        const auto* list = child<QListWidget>(*wizard, "IconList");
        for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
        QCOMPARE(names, (QStringList{"Calc", "News"}));
    }

    void domainsAndReadLogOpenThroughTheOpener() {
        const auto wizard = startWizard();
        child<QPushButton>(*wizard, "Command14")->click();
        child<QPushButton>(*wizard, "Command4")->click();
        QCOMPARE(m_env->forms.opened, (QStringList{"Form8", "frmTip1"}));
    }

    void setLimitAndRemindersOpenThroughTheOpener() {
        const auto wizard = startWizard();
        child<QPushButton>(*wizard, "Command10")->click();
        child<QPushButton>(*wizard, "Command11")->click();
        QCOMPARE(m_env->forms.opened, (QStringList{"SetLimitDialog", "RemindersDialog"}));
    }

    void setLimitAndRemindersNeedAnOpener() {
        AppServices withoutForms = services();
        withoutForms.forms = nullptr;
        WizardDialog wizard(withoutForms);
        QVERIFY(!child<QPushButton>(wizard, "Command10")->isEnabled());
        QVERIFY(!child<QPushButton>(wizard, "Command11")->isEnabled());
    }

    // Appearance: icon, about box, company profile.

    void iconBoxKeepsTheIconOnCancel() {
        const QString stored = bitmap(QStringLiteral("stored.ico"));
        const QString icon = bitmap(QStringLiteral("app.ico"));
        write(K::kIcon, K::kFirstKey, stored);
        const auto wizard = startWizard();
        auto* box = child<QLabel>(*wizard, "Image6");
        QVERIFY(showsPicture(box));
        click(box);  // cancelled, nothing chosen before: the box empties, the setting stays
        QVERIFY(!showsPicture(box));
        QCOMPARE(read(K::kIcon, K::kFirstKey), stored);

        m_env->dialogs.files << icon;
        click(child<QLineEdit>(*wizard, "icontext"));
        QVERIFY(showsPicture(box));
        QCOMPARE(read(K::kIcon, K::kFirstKey), icon);
        QCOMPARE(child<QLineEdit>(*wizard, "icontext")->text(), icon);
        QCOMPARE(m_env->dialogs.filters, QStringList(2, QStringLiteral("Pictures (*.ico)|*.ico")));
        QCOMPARE(m_env->dialogs.directories, QStringList(2, m_env->appPath()));
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void aboutPictureCancelCases() {
        const QString stored = bitmap(QStringLiteral("stored.bmp"));
        const QString chosen = bitmap(QStringLiteral("chosen.bmp"));
        write(K::kAboutImage, K::kFirstKey, stored);
        const auto wizard = startWizard();
        auto* picture = child<QLabel>(*wizard, "AboutPicture");
        auto* findImage = child<QPushButton>(*wizard, "Search");
        QVERIFY(showsPicture(picture));

        // "&Find Image" cancelled with nothing chosen before: the preview empties, the
        // stored picture stays for the about box.
        findImage->click();
        QVERIFY(!showsPicture(picture));
        QCOMPARE(read(K::kAboutImage, K::kFirstKey), stored);
        QVERIFY(m_env->dialogs.messages.isEmpty());

        // A click cancelled with nothing chosen before erases the stored picture.
        click(picture);
        QCOMPARE(read(K::kAboutImage, K::kFirstKey), QString());
        QCOMPARE(m_env->dialogs.messages, QStringList{kImageErased});

        // A click choosing a picture, then "&Find Image" cancelled: the earlier file
        // comes back and is written again.
        m_env->dialogs.files << chosen;
        click(picture);
        QVERIFY(showsPicture(picture));
        write(K::kAboutImage, K::kFirstKey, QStringLiteral("changed meanwhile"));
        findImage->click();
        QVERIFY(showsPicture(picture));
        QCOMPARE(read(K::kAboutImage, K::kFirstKey), chosen);
        QCOMPARE(m_env->dialogs.messages, (QStringList{kImageErased, kImageShown}));
        QCOMPARE(m_env->dialogs.filters,
                 (QStringList{"Pictures (*.bmp)|*.bmp", "Custom Image (*.bmp)|*.bmp",
                              "Custom Image (*.bmp)|*.bmp", "Pictures (*.bmp)|*.bmp"}));
        // "&Find Image" sets no folder: it starts where the click left the dialog.
        QCOMPARE(m_env->dialogs.directories,
                 (QStringList{QString(), m_env->appPath(), m_env->appPath(), m_env->appPath()}));

        // The mail-client selection shares the dialog: its filter and its last file.
        m_env->dialogs.messages.clear();
        child<QPushButton>(*wizard, "Command67")->click();
        QCOMPARE(m_env->dialogs.filters.last(), QStringLiteral("Pictures (*.bmp)|*.bmp"));
        QCOMPARE(m_env->dialogs.directories.last(), QStringLiteral("/usr/bin"));
        QCOMPARE(read(K::kEMail, K::kSelection), chosen);
        QCOMPARE(m_env->dialogs.messages.last(), QStringLiteral("EMail selection active."));
    }

    void versionAndNotesSayEveryFocusLoss_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("message");
        QTest::newRow("version") << "Text4" << QString(K::kVersion) << kVersionSaved;
        QTest::newRow("notes") << "Text3" << QString(K::kDisclaimer) << kNotesSaved;
    }

    void versionAndNotesSayEveryFocusLoss() {
        QFETCH(QString, field);
        QFETCH(QString, section);
        QFETCH(QString, message);
        write(qPrintable(section), K::kFirstKey, QStringLiteral("Release 7\nsecond line"));
        const auto wizard = startWizard();
        auto* control = child<QWidget>(*wizard, qPrintable(field));
        const QString shown = field == QLatin1String("Text4")
                                  ? child<QLineEdit>(*wizard, "Text4")->text()
                                  : child<QPlainTextEdit>(*wizard, "Text3")->toPlainText();

        // Another window or a message box taking the focus is no focus loss.
        loseFocus(control, Qt::ActiveWindowFocusReason);
        loseFocus(control, Qt::PopupFocusReason);
        QVERIFY(m_env->dialogs.messages.isEmpty());

        write(qPrintable(section), K::kFirstKey, QStringLiteral("changed elsewhere"));
        loseFocus(control, Qt::TabFocusReason);
        loseFocus(control, Qt::MouseFocusReason);
        QCOMPARE(m_env->dialogs.messages, QStringList(2, message));
        QCOMPARE(m_env->settings->read(section, QStringLiteral("1")), shown);
    }

    void tabbingThroughTheCompanyFieldsWritesNineKeys() {
        const auto wizard = startWizard();
        child<QTabWidget>(*wizard, "SSTab1")->setCurrentIndex(4);
        wizard->show();
        QApplication::setActiveWindow(wizard.get());
        QVERIFY(QTest::qWaitForWindowActive(wizard.get()));
        auto* first = child<QLineEdit>(*wizard, "c1");
        first->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        for (int field = 1; field <= 9; ++field) {
            auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(focused);
            QCOMPARE(focused->objectName(), QStringLiteral("c%1").arg(field));
            if (field % 2) QTest::keyClicks(focused, QStringLiteral("field %1").arg(field));
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command17"));

        QSettings file(m_env->iniFile(), QSettings::IniFormat);
        file.beginGroup(QStringLiteral("CompanyInfo"));
        QStringList keys = file.childKeys();
        keys.sort();
        QCOMPARE(keys, (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        for (int field = 1; field <= 9; ++field)
            QCOMPARE(read(K::kCompanyInfo, qPrintable(QString::number(field))),
                     field % 2 ? QStringLiteral("field %1").arg(field) : QString());
        QVERIFY(m_env->dialogs.messages.isEmpty());
        wizard->hide();
    }

    // Maintenance buttons.

    void clearLogButton_data() {
        QTest::addColumn<int>("visits");
        QTest::addColumn<bool>("databaseThere");
        QTest::newRow("empty log") << 0 << true;
        QTest::newRow("full log") << 1500 << true;
        QTest::newRow("missing database") << 0 << false;
    }

    void clearLogButton() {
        QFETCH(int, visits);
        QFETCH(bool, databaseThere);
        fillVisits(visits);
        QVERIFY(TestDatabase::execute(
            database(),
            QStringLiteral(
                "INSERT INTO Links (Name, URL) VALUES ('News', 'http://news.example/')")));
        const auto wizard = startWizard();
        auto* links = child<QListWidget>(*wizard, "LinkList");
        QCOMPARE(links->count(), 1);
        m_env->dialogs.messages.clear();
        if (!databaseThere) QVERIFY(QFile::remove(database()));

        child<QPushButton>(*wizard, "Command2")->click();
        if (databaseThere) {
            QCOMPARE(m_env->dialogs.messages, QStringList{kLogCleared});
            QCOMPARE(
                TestDatabase::number(database(), QStringLiteral("SELECT COUNT(*) FROM Visited")),
                0);
            QCOMPARE(links->count(), 1);
        } else {
            // The failure's own text, then the quick-link list is read again: that fails too,
            // with its own message, and the list keeps what it showed.
            QCOMPARE(m_env->dialogs.messages.size(), 2);
            QVERIFY(!m_env->dialogs.messages.contains(kLogCleared));
            QCOMPARE(links->count(), 1);
            QVERIFY(!QFile::exists(database()));
        }
    }

    void maintenanceButtonsReachTheirCommands() {
        const auto wizard = startWizard();
        child<QPushButton>(*wizard, "Command16")->click();
        QCOMPARE(m_env->dialogs.messages, QStringList{MaintenanceCommands::helpMessage()});
        m_env->dialogs.inputs << QStringLiteral("Hello");
        child<QPushButton>(*wizard, "Command13")->click();
        QCOMPARE(m_env->dialogs.prompts,
                 QStringList{QStringLiteral("Please enter a new tip of the day.")});
        QFile tips(m_env->appPath() + QStringLiteral("/T34.txt"));
        QVERIFY(tips.open(QIODevice::ReadOnly));
        QCOMPARE(tips.readAll(), QByteArray("\"Hello\"\r\n"));
    }

    void reinitialiseButtonKeepsWhatItMust() {
        write(K::kButtonCount, K::kAmount, QStringLiteral("12"));
        storeQuickPassword(QStringLiteral("right"));
        const QString hash = read(K::kPassword, K::kHash);
        write(K::kToolName, "101", QStringLiteral("Beyond"));
        write(K::kToolName, "100", QStringLiteral("Last"));
        write(K::kVersion, K::kFirstKey, QStringLiteral("locked 1.0"));
        write(K::kCompanyInfo, "1", QStringLiteral("Acme"));
        m_locks->lock(QStringLiteral("Version"), QStringLiteral("1"));
        const auto wizard = startWizard();
        m_env->dialogs.messages.clear();

        child<QPushButton>(*wizard, "Command20")->click();
        QCOMPARE(m_env->dialogs.messages.size(), 1);
        QVERIFY(m_env->dialogs.messages.first().startsWith(
            QStringLiteral("The settings have been reinitialized.")));
        QCOMPARE(read(K::kButtonCount, K::kAmount), QStringLiteral("12"));
        QCOMPARE(read(K::kPassword, K::kHash), hash);
        QCOMPARE(read(K::kToolName, "101"), QStringLiteral("Beyond"));
        QCOMPARE(read(K::kVersion, K::kFirstKey), QStringLiteral("locked 1.0"));
        QCOMPARE(read(K::kToolName, "100"), QString());
        QCOMPARE(read(K::kCompanyInfo, "1"), QString());
        QCOMPARE(read(K::kHome, K::kFirstKey), FixedAddresses::vendorProblemPage(m_env->appPath()));
    }

    // The password.

    void settingAPasswordStoresOnlyAHash() {
        const auto wizard = startWizard();
        m_env->dialogs.passwords << QStringLiteral("Kiosk-42") << QStringLiteral("Kiosk-42");
        child<QCheckBox>(*wizard, "Password")->click();
        QVERIFY(child<QCheckBox>(*wizard, "Password")->isChecked());
        QCOMPARE(m_env->dialogs.passwordPrompts,
                 (QStringList{WizardPassword::newPrompt(), WizardPassword::repeatPrompt()}));
        const QString stored = read(K::kPassword, K::kHash);
        QVERIFY(
            stored.startsWith(QStringLiteral("pbkdf2-sha256$%1$").arg(AdminPassword::kIterations)));
        QFile file(m_env->iniFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(!text.contains("Kiosk-42"));
        QVERIFY(!text.contains(QByteArray("Kiosk-42").toBase64()));

        // The next opening asks for it before anything else.
        m_env->dialogs.passwordPrompts.clear();
        m_env->dialogs.passwords << QStringLiteral("kiosk-42") << QStringLiteral("Kiosk-42");
        QVERIFY(WizardEntry::admit(services(), nullptr, QStringLiteral("19")));
        QCOMPARE(m_env->dialogs.passwordPrompts, (QStringList{AdminPasswordPrompt::askPrompt(),
                                                              AdminPasswordPrompt::retryPrompt()}));
        QCOMPARE(read(K::kButtonCount, K::kAmount), QStringLiteral("19"));
    }

    void unsetPasswords_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("message");
        QTest::newRow("different")
            << QStringList{"one", "two"} << WizardPassword::mismatchMessage();
        QTest::newRow("empty") << QStringList{""} << WizardPassword::emptyMessage();
        QTest::newRow("cancelled") << QStringList{} << QString();
    }

    void unsetPasswords() {
        QFETCH(QStringList, answers);
        QFETCH(QString, message);
        const auto wizard = startWizard();
        for (const QString& answer : answers) m_env->dialogs.passwords << answer;
        child<QCheckBox>(*wizard, "Password")->click();
        QCOMPARE(m_env->dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(!child<QCheckBox>(*wizard, "Password")->isChecked());
        QCOMPARE(read(K::kPassword, K::kHash), QString());
    }

    void wrongAnswersKeepTheWizardClosed_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("prompts");
        QTest::newRow("three wrong") << QStringList{"a", "b", "c", "right"} << 3;
        QTest::newRow("cancel") << QStringList{} << 1;
    }

    void wrongAnswersKeepTheWizardClosed() {
        QFETCH(QStringList, answers);
        QFETCH(int, prompts);
        storeQuickPassword(QStringLiteral("right"));
        write(K::kButtonCount, K::kAmount, QStringLiteral("14"));
        for (const QString& answer : answers) m_env->dialogs.passwords << answer;
        QVERIFY(!WizardEntry::admit(services(), nullptr, QStringLiteral("24")));
        QCOMPARE(m_env->dialogs.passwordPrompts.size(), prompts);
        QVERIFY(m_env->dialogs.messages.isEmpty());
        QCOMPARE(read(K::kButtonCount, K::kAmount), QStringLiteral("14"));
    }

    void noPasswordNoQuestion() {
        QVERIFY(WizardEntry::admit(services(), nullptr, QString()));
        QVERIFY(WizardEntry::admit(services(), nullptr, QStringLiteral("24")));
        QVERIFY(m_env->dialogs.passwordPrompts.isEmpty());
        QCOMPARE(read(K::kButtonCount, K::kAmount), QStringLiteral("24"));
    }

    void clearingTheBox() {
        storeQuickPassword(QStringLiteral("right"));
        const auto wizard = startWizard();
        auto* box = child<QCheckBox>(*wizard, "Password");
        QVERIFY(box->isChecked());
        QVERIFY(m_env->dialogs.passwordPrompts.isEmpty());

        m_env->dialogs.passwords << "x"
                                 << "y"
                                 << "z";
        box->click();
        QVERIFY(box->isChecked());
        QVERIFY(!read(K::kPassword, K::kHash).isEmpty());

        m_env->dialogs.passwords << QStringLiteral("right");
        box->click();
        QVERIFY(!box->isChecked());
        QCOMPARE(read(K::kPassword, K::kHash), QString());
    }

    void reinitialiseKeepsThePassword() {
        storeQuickPassword(QStringLiteral("right"));
        const QString stored = read(K::kPassword, K::kHash);
        K::reinitialise(*m_env->settings, QStringLiteral("http://problem.example/"));
        QCOMPARE(read(K::kPassword, K::kHash), stored);
    }

    // Keys the system settings file locks.

    void lockedKeysShowDisabledAndAreNeverWritten() {
        write(K::kManualBrowsing, K::kAllowed, QStringLiteral("1"));
        write(K::kDisney, K::kOnly, QStringLiteral("1"));
        write(K::kHome, K::kFirstKey, QStringLiteral("http://fixed.example/"));
        m_locks->lock(QStringLiteral("ManualBrowsing"), QStringLiteral("Allowed"));
        m_locks->lock(QStringLiteral("home"), QStringLiteral("1"));
        m_locks->lock(QStringLiteral("Restriction"), QStringLiteral("Allowed"));
        m_locks->lock(QStringLiteral("ButtonCount"), QStringLiteral("Amount"));
        QVERIFY(WizardEntry::admit(services(), nullptr, QStringLiteral("24")));
        QCOMPARE(read(K::kButtonCount, K::kAmount), QString());

        const auto wizard = startWizard();
        // Disney is not locked and runs its action, but the locked start page stays.
        QCOMPARE(m_env->dialogs.messages, (QStringList{kDisneyActive, kDisneyLong}));
        QCOMPARE(read(K::kHome, K::kFirstKey), QStringLiteral("http://fixed.example/"));
        for (const char* name : {"ManualBrowsing", "Text2", "Command1"}) {
            auto* control = child<QWidget>(*wizard, name);
            QVERIFY2(!control->isEnabled(), name);
            QCOMPARE(control->toolTip(), LockedControls::toolTip());
        }
        QVERIFY(child<QCheckBox>(*wizard, "ManualBrowsing")->isChecked());
        QVERIFY(child<QWidget>(*wizard, "Disney")->isEnabled());
        QVERIFY(child<QWidget>(*wizard, "Password")->isEnabled());
    }
    // The quick-link editor on the "Links" tab.

    void quickLinkModes_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("on");
        QTest::addColumn<int>("messages");
        const QString browsing = QStringLiteral("NewRec DeleteRec LinkList");
        QTest::newRow("browsing at start") << "" << browsing << 0;
        QTest::newRow("adding") << "new"
                                << "AddRec CancelAddNew LinkName URL" << 0;
        QTest::newRow("editing") << "edit"
                                 << "SaveEdit BackToReg LinkList LinkName URL" << 0;
        QTest::newRow("add cancelled") << "new,type,cancel" << browsing << 0;
        QTest::newRow("added") << "new,type,add" << browsing << 0;
        QTest::newRow("edit stopped") << "edit,type,stop" << browsing << 0;
        QTest::newRow("saved") << "edit,type,save" << browsing << 0;
        QTest::newRow("add refused") << "new,type,refuse adds,add"
                                     << "CancelAddNew LinkList" << 1;
        QTest::newRow("refused add cancelled")
            << "new,type,refuse adds,add,cancel" << browsing << 1;
        // The reload after the failed add fails too and says so once more.
        QTest::newRow("add without the file") << "new,type,lose file,add"
                                              << "CancelAddNew LinkName URL" << 2;
    }

    void quickLinkModes() {
        QFETCH(QString, steps);
        QFETCH(QString, on);
        QFETCH(int, messages);
        addLinks({"Library|http://library.example/"});
        const auto wizard = startWizard();
        auto* list = child<QListWidget>(*wizard, "LinkList");
        const QHash<QString, std::function<void()>> actions{
            {"new", [&] { child<QPushButton>(*wizard, "NewRec")->click(); }},
            {"edit",
             [&] {
                 list->setCurrentRow(0);
                 emit list->itemDoubleClicked(list->currentItem());
             }},
            {"type",
             [&] {
                 child<QLineEdit>(*wizard, "LinkName")->setText(QStringLiteral("Games"));
                 child<QLineEdit>(*wizard, "URL")->setText(QStringLiteral("http://games/"));
             }},
            {"add", [&] { child<QPushButton>(*wizard, "AddRec")->click(); }},
            {"cancel", [&] { child<QPushButton>(*wizard, "CancelAddNew")->click(); }},
            {"save", [&] { child<QPushButton>(*wizard, "SaveEdit")->click(); }},
            {"stop", [&] { child<QPushButton>(*wizard, "BackToReg")->click(); }},
            {"lose file", [&] { QVERIFY(QFile::remove(database())); }},
            {"refuse adds",
             [&] {
                 QVERIFY(TestDatabase::execute(
                     database(), QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Links "
                                                "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
             }},
        };
        for (const QString& step : steps.split(QLatin1Char(','), Qt::SkipEmptyParts))
            actions.value(step)();
        QStringList enabled;
        for (const char* name :
             {"NewRec", "AddRec", "DeleteRec", "CancelAddNew", "SaveEdit", "BackToReg", "LinkList"})
            if (child<QWidget>(*wizard, name)->isEnabled()) enabled << QString::fromLatin1(name);
        for (const char* name : {"LinkName", "URL"})
            if (!child<QLineEdit>(*wizard, name)->isReadOnly())
                enabled << QString::fromLatin1(name);
        QCOMPARE(enabled.join(QLatin1Char(' ')), on);
        QCOMPARE(m_env->dialogs.messages.size(), messages);
    }

    void quickLinkNeedsBothFields_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        QTest::newRow("no address") << "Library"
                                    << "";
        QTest::newRow("no name") << ""
                                 << "http://library.example/";
    }

    void quickLinkNeedsBothFields() {
        QFETCH(QString, name);
        QFETCH(QString, url);
        const auto wizard = startWizard();
        child<QPushButton>(*wizard, "NewRec")->click();
        QTest::keyClicks(child<QLineEdit>(*wizard, "LinkName"), name);
        QTest::keyClicks(child<QLineEdit>(*wizard, "URL"), url);
        child<QPushButton>(*wizard, "AddRec")->click();
        QCOMPARE(storedLinks(), QStringList());
        QVERIFY(child<QPushButton>(*wizard, "AddRec")->isEnabled());
        QVERIFY(!child<QLineEdit>(*wizard, "LinkName")->isReadOnly());
        QCOMPARE(child<QLineEdit>(*wizard, "LinkName")->text(), name);
        QCOMPARE(child<QLineEdit>(*wizard, "URL")->text(), url);
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    // Showing, editing and deleting all act on the first link of the name.
    void twoQuickLinksWithOneName() {
        addLinks({"Library|http://first.example/", "Games|http://games.example/",
                  "Library|http://second.example/"});
        const auto wizard = startWizard();
        auto* list = child<QListWidget>(*wizard, "LinkList");
        auto* url = child<QLineEdit>(*wizard, "URL");
        list->setCurrentRow(2);
        QCOMPARE(url->text(), QStringLiteral("http://first.example/"));

        emit list->itemDoubleClicked(list->currentItem());
        QCOMPARE(url->text(), QStringLiteral("http://first.example/"));
        url->setText(QStringLiteral("http://edited.example/"));
        child<QPushButton>(*wizard, "SaveEdit")->click();
        QCOMPARE(storedLinks(),
                 (QStringList{"Library|http://edited.example/", "Games|http://games.example/",
                              "Library|http://second.example/"}));

        list->setCurrentRow(2);
        child<QPushButton>(*wizard, "DeleteRec")->click();
        QCOMPARE(storedLinks(),
                 (QStringList{"Games|http://games.example/", "Library|http://second.example/"}));
        QCOMPARE(list->count(), 2);
        QCOMPARE(url->text(), QString());
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void selectingAnotherLinkWhileEditing() {
        addLinks({"Library|http://library.example/", "Games|http://games.example/"});
        const auto wizard = startWizard();
        auto* list = child<QListWidget>(*wizard, "LinkList");
        auto* name = child<QLineEdit>(*wizard, "LinkName");
        list->setCurrentRow(0);
        emit list->itemDoubleClicked(list->currentItem());
        name->setText(QStringLiteral("Typed"));
        list->setCurrentRow(1);
        QCOMPARE(name->text(), QStringLiteral("Games"));
        QCOMPARE(child<QLineEdit>(*wizard, "URL")->text(), QStringLiteral("http://games.example/"));
        QVERIFY(child<QPushButton>(*wizard, "SaveEdit")->isEnabled());
        name->setText(QStringLiteral("Puzzles"));
        child<QPushButton>(*wizard, "SaveEdit")->click();
        QCOMPARE(storedLinks(),
                 (QStringList{"Library|http://library.example/", "Puzzles|http://games.example/"}));
    }

    // Enter and Tab move the focus and go no further: the wizard never sees them.
    void quickLinkKeysMoveTheFocus() {
        addLinks({"Library|http://library.example/"});
        const auto wizard = shownOnTab("Links");
        auto* name = child<QLineEdit>(*wizard, "LinkName");
        auto* url = child<QLineEdit>(*wizard, "URL");
        child<QPushButton>(*wizard, "NewRec")->click();
        QTRY_VERIFY(name->hasFocus());
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(url->hasFocus());
        QTest::keyClick(url, Qt::Key_Tab);
        QVERIFY(child<QPushButton>(*wizard, "AddRec")->hasFocus());

        // Add To List off: on to the next usable control, pressing nothing.
        child<QPushButton>(*wizard, "CancelAddNew")->click();
        url->setFocus();
        QTest::keyClick(url, Qt::Key_Return);
        QVERIFY(child<QPushButton>(*wizard, "NewRec")->hasFocus());
        auto* list = child<QListWidget>(*wizard, "LinkList");
        list->setCurrentRow(0);
        emit list->itemDoubleClicked(list->currentItem());
        url->setFocus();
        QTest::keyClick(url, Qt::Key_Tab);
        QVERIFY(child<QPushButton>(*wizard, "SaveEdit")->hasFocus());
        QTest::keyClick(url, Qt::Key_Enter);
        QVERIFY(wizard->isVisible());
        QVERIFY(m_env->dialogs.messages.isEmpty());
        QCOMPARE(storedLinks(), QStringList{"Library|http://library.example/"});
    }

    // The toolbar button editor on the "ToolBar" tab, driven through its widgets.

    void toolbarEntryThroughTheWidgets() {
        write(K::kButtonCount, K::kAmount, QStringLiteral("19"));
        const QString ico = savedPicture(QStringLiteral("calc.ico"), "ICO");
        const auto wizard = shownOnTab("ToolBar");
        auto* name = child<QLineEdit>(*wizard, "IconName");
        auto* path = child<QLineEdit>(*wizard, "IconPath");
        auto* command = child<QLineEdit>(*wizard, "IconCommandLine");
        auto* preview = child<QLabel>(*wizard, "IconPic");
        auto* add = child<QPushButton>(*wizard, "AddToToolBar");

        child<QPushButton>(*wizard, "AddNewIcon")->click();
        QTRY_VERIFY(name->hasFocus());
        QCOMPARE(name->selectedText(), QStringLiteral("Enter an Icon Name"));
        QTest::keyClicks(name, QStringLiteral("Calc"));
        QCOMPARE(name->text(), QStringLiteral("Calc"));
        // The entry takes Tab; the focus handling never moves past the field it asks for.
        QTest::keyClick(name, Qt::Key_Tab);
        QVERIFY(path->hasFocus());
        QCOMPARE(path->selectedText(), QStringLiteral("Enter Icon Path and File Name"));

        QTest::keyClicks(path, m_env->appPath() + QStringLiteral("/calc.ICO"));
        QTest::keyClick(path, Qt::Key_Return);
        QCOMPARE(m_env->dialogs.messages,
                 QStringList{"Only \".ico\" or \".bmp\" type files are allowed."});
        QCOMPARE(path->selectedText(), QStringLiteral("Enter Icon Path and File Name"));
        QVERIFY(!command->isEnabled());

        QTest::keyClicks(path, ico);
        QTest::keyClick(path, Qt::Key_Enter);
        QVERIFY(preview->pixmap().toImage().pixelColor(4, 4) == QColor(Qt::darkBlue));
        QVERIFY(command->hasFocus());
        QCOMPARE(command->selectedText(), QStringLiteral("Enter Command Line"));
        QTest::keyClicks(command, QStringLiteral("calc"));
        QTest::keyClick(command, Qt::Key_Return);
        QVERIFY(add->hasFocus());
        QVERIFY(add->font().bold());
        add->click();

        QCOMPARE(read("Toolname", "0"), QStringLiteral("Calc"));
        QCOMPARE(read("ToolImage", "0"), ico);
        QCOMPARE(read("ToolFilename", "0"), QStringLiteral("calc"));
        QCOMPARE(listLines(*wizard, "IconList"), QStringList{"Calc"});
        QVERIFY(preview->pixmap().isNull());
        QVERIFY(child<QPushButton>(*wizard, "AddNewIcon")->hasFocus());
        for (QLineEdit* field : {name, path, command}) QVERIFY(!field->isEnabled());
        QCOMPARE(m_env->dialogs.messages.size(), 1);
    }

    // Both Search buttons start in the application directory with their filters; Escape
    // in a field then cancels and writes nothing.
    void toolbarSearchesAndEscape() {
        write(K::kButtonCount, K::kAmount, QStringLiteral("14"));
        const QString picture = savedPicture(QStringLiteral("school.ICO"), "ICO");
        const auto wizard = shownOnTab("ToolBar");
        auto* command = child<QLineEdit>(*wizard, "IconCommandLine");
        child<QPushButton>(*wizard, "AddNewIcon")->click();
        QTest::keyClicks(child<QLineEdit>(*wizard, "IconName"), QStringLiteral("School"));
        QTest::keyClick(child<QLineEdit>(*wizard, "IconName"), Qt::Key_Return);
        m_env->dialogs.files << picture << QStringLiteral("/usr/bin/school");
        child<QPushButton>(*wizard, "SearchPath")->click();
        QCOMPARE(child<QLineEdit>(*wizard, "IconPath")->text(), picture);
        QVERIFY(!child<QLabel>(*wizard, "IconPic")->pixmap().isNull());
        QVERIFY(command->hasFocus());
        child<QPushButton>(*wizard, "CommandLineSearch")->click();
        QCOMPARE(command->text(), QStringLiteral("/usr/bin/school"));
        QCOMPARE(m_env->dialogs.filters,
                 (QStringList{"Icons (*.ico)|*.ico|Bitmaps(*.bmp)|*.bmp", "Pictures (*.*)|*.*"}));
        QCOMPARE(m_env->dialogs.directories, (QStringList{m_env->appPath(), m_env->appPath()}));

        QTest::keyClick(command, Qt::Key_Escape);
        QVERIFY(wizard->isVisible());
        QVERIFY(child<QPushButton>(*wizard, "AddNewIcon")->hasFocus());
        QVERIFY(!child<QPushButton>(*wizard, "AddToToolBar")->isEnabled());
        QCOMPARE(command->text(), QString());
        QCOMPARE(read("Toolname", "0"), QString());
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    // A list click shows the button's command line as tool tip and its picture; a picture
    // that cannot be loaded keeps the one shown.
    void toolbarListClick() {
        write(K::kButtonCount, K::kAmount, QStringLiteral("14"));
        write(K::kToolName, "0", QStringLiteral("Calc"));
        write(K::kToolImage, "0", savedPicture(QStringLiteral("calc.bmp"), "BMP"));
        write(K::kToolFileName, "0", QStringLiteral("calc"));
        write(K::kToolName, "1", QStringLiteral("News"));
        write(K::kToolImage, "1", m_env->appPath() + QStringLiteral("/missing.ico"));
        write(K::kToolFileName, "1", QStringLiteral("http://news.example/"));
        const auto wizard = startWizard();
        auto* list = child<QListWidget>(*wizard, "IconList");
        auto* preview = child<QLabel>(*wizard, "IconPic");
        list->setCurrentRow(0);
        QCOMPARE(list->toolTip(), QStringLiteral("    Command Line: Calc calc    "));
        QCOMPARE(preview->toolTip(), list->toolTip());
        const qint64 shown = preview->pixmap().cacheKey();
        QVERIFY(!preview->pixmap().isNull());
        list->setCurrentRow(1);
        QCOMPARE(list->toolTip(),
                 QStringLiteral("    Command Line: News http://news.example/    "));
        QCOMPARE(preview->pixmap().cacheKey(), shown);
        QVERIFY(child<QPushButton>(*wizard, "DeleteFromToolbar1")->isEnabled());

        child<QPushButton>(*wizard, "DeleteFromToolbar1")->click();
        QCOMPARE(listLines(*wizard, "IconList"), QStringList{"Calc"});
        QCOMPARE(read(K::kToolName, "1"), QString());
        QVERIFY(!child<QPushButton>(*wizard, "DeleteFromToolbar1")->isEnabled());
    }

    void capacityNoteForAnUnusableCount_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("maxButtons");
        QTest::addColumn<bool>("note");
        QTest::newRow("19") << "19"
                            << "18" << false;
        QTest::newRow("missing") << ""
                                 << "13" << true;
        QTest::newRow("30") << "30"
                            << "13" << true;
    }

    void capacityNoteForAnUnusableCount() {
        QFETCH(QString, count);
        QFETCH(QString, maxButtons);
        QFETCH(bool, note);
        write(K::kButtonCount, K::kAmount, count);
        const auto wizard = startWizard();
        QCOMPARE(child<QLineEdit>(*wizard, "MaxButtons")->text(), maxButtons);
        auto* line = child<QLabel>(*wizard, "CapacityNote");
        QCOMPARE(!line->isHidden(), note);
        QCOMPARE(line->text(), note ? ToolbarEntry::kCapacityNote : QString());
        child<QPushButton>(*wizard, "AddNewIcon")->click();
        QVERIFY(child<QLineEdit>(*wizard, "IconName")->isEnabled());
        QVERIFY(m_env->dialogs.messages.isEmpty());
    }

    void lockedAppearanceFieldsAreDisabledAndNeverWritten() {
        write(K::kCompanyInfo, "3", QStringLiteral("555-0100"));
        m_locks->lock(QStringLiteral("Icontext"), QStringLiteral("1"));
        m_locks->lock(QStringLiteral("AboutImage"), QStringLiteral("1"));
        m_locks->lock(QStringLiteral("Version"), QStringLiteral("1"));
        m_locks->lock(QStringLiteral("Disclaimer"), QStringLiteral("1"));
        m_locks->lock(QStringLiteral("CompanyInfo"), QStringLiteral("3"));
        m_locks->lock(QStringLiteral("EMail"), QStringLiteral("Selection"));
        const auto wizard = startWizard();
        for (const char* name : {"Image6", "icontext", "AboutPicture", "Search", "Text4", "Text3",
                                 "c3", "Command67"}) {
            auto* control = child<QWidget>(*wizard, name);
            QVERIFY2(!control->isEnabled(), name);
            QCOMPARE(control->toolTip(), LockedControls::toolTip());
        }
        QVERIFY(child<QWidget>(*wizard, "c2")->isEnabled());
        click(child<QWidget>(*wizard, "Image6"));
        click(child<QWidget>(*wizard, "AboutPicture"));
        loseFocus(child<QWidget>(*wizard, "Text4"), Qt::TabFocusReason);
        child<QLineEdit>(*wizard, "c3")->setText(QStringLiteral("changed"));
        loseFocus(child<QWidget>(*wizard, "c3"), Qt::TabFocusReason);
        QVERIFY(m_env->dialogs.filters.isEmpty());
        QVERIFY(m_env->dialogs.messages.isEmpty());
        QCOMPARE(read(K::kCompanyInfo, "3"), QStringLiteral("555-0100"));
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
