#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "DialogsFixture.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/CompanyProfileDialog.h"
#include "dialogs/InformationDialogs.h"
#include "dialogs/TipOfTheDayDialog.h"
#include "state/SettingsKeys.h"
#include "state/TipFile.h"

using namespace SettingsKeys;

namespace {

QString textOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) return edit->toPlainText();
    return widget->windowTitle();
}

// A launcher whose every launch fails, as when the program vanished after it was found.
struct FailingLauncher : RecordingProcessLauncher {
    bool launch(const QString& commandLine) override {
        RecordingProcessLauncher::launch(commandLine);
        return false;
    }
};

const QStringList kCompanyFields{
    "Zelvo Ltd", "1 Main St", "555-0100",           "Springfield",           "Oregon",
    "97403",     "555-0199",  "info@zelvo.example", "https://zelvo.example/"};

}  // namespace

class InformationDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DialogsFixture> m_fx;

    void writeTips(const QByteArray& bytes) {
        QFile file(TipFile::path(m_fx->appDir.path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    QString tipText(TipOfTheDayDialog& dialog) {
        return dialog.findChild<QLabel*>(QStringLiteral("lblTipText"))->text();
    }
    void clickNextTip(TipOfTheDayDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("cmdNextTip"))->click();
    }
    void storeCompany(bool withName) {
        for (int i = 0; i < kCompanyFields.size(); ++i) {
            m_fx->settings->write(kCompanyInfo, QString::number(i + 1),
                                  i == 0 && !withName ? QString() : kCompanyFields[i]);
        }
    }

private slots:
    void init() { m_fx = std::make_unique<DialogsFixture>(); }
    void cleanup() { m_fx.reset(); }

    // Each form's fixed texts as designed, before any settings are stored.
    void fixedTexts_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("enabled");
        auto row = [](const char* form, const char* name, const char* cls, const char* text) {
            QTest::addRow("%s %s", form, name) << form << name << cls << text << "" << true;
        };
        row("frmTip", "Label1", "QLabel", "Did you know...");
        row("frmTip", "cmdNextTip", "QPushButton", "&Next Tip");
        row("frmTip", "cmdOK", "QPushButton", "OK");
        row("frmAbout", "Label3", "QLabel", "Version");
        row("frmAbout", "cmdOK", "QPushButton", "OK");
        row("frmAbout", "cmdSysInfo", "QPushButton", "&System Info...");
        row("frmAbout", "AboutPicture", "QLabel", "");
        row("frmAbout", "Text1", "QPlainTextEdit", "");
        row("frmAbout", "Line1", "QFrame", "");
        row("frmAbout", "Line2", "QFrame", "");
        const char* labels[] = {"Company Name",  "Address",         "Fax",
                                "City / Region", "State / Country", "Zip / Code",
                                "Phone",         "E-Mail",          "Web Site"};
        for (int i = 0; i < 9; ++i) {
            const QByteArray label = "Label" + QByteArray::number(i + 1);
            const QByteArray field = "c" + QByteArray::number(i + 1);
            row("company", label.constData(), "QLabel", labels[i]);
            row("company", field.constData(), "QLineEdit", "");
        }
    }
    void fixedTexts() {
        QFETCH(QString, form);
        QFETCH(QString, objectName);
        QFETCH(QString, className);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(bool, enabled);
        std::unique_ptr<QDialog> dialog;
        if (form == "frmTip") dialog = std::make_unique<TipOfTheDayDialog>(m_fx->services());
        if (form == "frmAbout") dialog = std::make_unique<AboutDialog>(m_fx->services());
        if (form == "company") dialog = std::make_unique<CompanyProfileDialog>(m_fx->services());
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), form);
        auto* widget = dialog->findChild<QWidget*>(objectName);
        QVERIFY2(widget, qPrintable(objectName));
        QVERIFY(widget->inherits(className.toLatin1()));
        QCOMPARE(textOf(widget), text);
        QCOMPARE(widget->toolTip(), toolTip);
        QCOMPARE(widget->isEnabled(), enabled);
    }

    void companyLabelsBelongToTheirFields() {
        CompanyProfileDialog dialog(m_fx->services());
        for (int i = 1; i <= 9; ++i) {
            auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label%1").arg(i));
            QCOMPARE(label->buddy(), dialog.findChild<QLineEdit*>(QStringLiteral("c%1").arg(i)));
        }
    }

    void dialogsFitASmallScreen() {
        const std::vector<std::shared_ptr<QDialog>> dialogs{
            std::make_shared<TipOfTheDayDialog>(m_fx->services()),
            std::make_shared<AboutDialog>(m_fx->services()),
            std::make_shared<CompanyProfileDialog>(m_fx->services())};
        for (const auto& dialog : dialogs) {
            const QSize size = dialog->sizeHint().expandedTo(dialog->size());
            QVERIFY2(size.width() <= 640 && size.height() <= 480, qPrintable(dialog->objectName()));
        }
    }

    void captionsAndLabelsFollowTheCompanyName_data() {
        QTest::addColumn<bool>("withName");
        QTest::newRow("no company name") << false;
        QTest::newRow("company name") << true;
    }
    void captionsAndLabelsFollowTheCompanyName() {
        QFETCH(bool, withName);
        storeCompany(withName);
        m_fx->settings->write(kVersion, kFirstKey, QStringLiteral("2.1 (classroom)"));
        m_fx->settings->write(kDisclaimer, kFirstKey, QStringLiteral("Line one\nLine two"));
        const QString name = withName ? kCompanyFields[0] : QString();

        AboutDialog about(m_fx->services());
        QCOMPARE(about.windowTitle(), name);
        QCOMPARE(about.findChild<QLabel*>("Label1")->text(), name);
        QCOMPARE(about.findChild<QLabel*>("Label2")->text(), QStringLiteral("2.1 (classroom)"));
        QCOMPARE(about.findChild<QPlainTextEdit*>("Text1")->toPlainText(),
                 QStringLiteral("Line one\nLine two"));

        CompanyProfileDialog company(m_fx->services());
        QCOMPARE(company.windowTitle(), name);
        for (int i = 0; i < 9; ++i) {
            const QString expected = i == 0 ? name : kCompanyFields[i];
            QCOMPARE(company.findChild<QLineEdit*>(QStringLiteral("c%1").arg(i + 1))->text(),
                     expected);
        }

        TipOfTheDayDialog tip(m_fx->services());
        QCOMPARE(tip.windowTitle(),
                 withName ? name + QStringLiteral(" Tip of the Day")
                          : QStringLiteral("Configure your Icon.  It'll appear HERE Too!"));
    }

    void companyFieldsAreReadAgainAtEachOpening() {
        storeCompany(true);
        {
            CompanyProfileDialog first(m_fx->services());
            first.findChild<QLineEdit*>("c2")->setText(QStringLiteral("typed, never saved"));
        }
        CompanyProfileDialog second(m_fx->services());
        QCOMPARE(second.findChild<QLineEdit*>("c2")->text(), kCompanyFields[1]);
        QCOMPARE(m_fx->settings->read(kCompanyInfo, QStringLiteral("2")), kCompanyFields[1]);
    }

    void iconAndPictureComeFromTheStore() {
        const QString png = m_fx->writePicture(QStringLiteral("logo.png"), "PNG");
        const QString bmp = m_fx->writePicture(QStringLiteral("about.bmp"), "BMP");
        QVERIFY(!png.isEmpty() && !bmp.isEmpty());
        m_fx->settings->write(kIcon, kFirstKey, png);
        m_fx->settings->write(kAboutImage, kFirstKey, bmp);

        AboutDialog about(m_fx->services());
        QVERIFY(!about.windowIcon().isNull());
        QVERIFY(!about.findChild<QLabel*>("AboutPicture")->pixmap().isNull());
        QVERIFY(!CompanyProfileDialog(m_fx->services()).windowIcon().isNull());
        QVERIFY(!TipOfTheDayDialog(m_fx->services()).windowIcon().isNull());

        m_fx->settings->write(kIcon, kFirstKey, QString());
        m_fx->settings->write(kAboutImage, kFirstKey, QString());
        AboutDialog plain(m_fx->services());
        QVERIFY(plain.windowIcon().isNull());
        QVERIFY(plain.findChild<QLabel*>("AboutPicture")->pixmap().isNull());
    }

    void unreadablePicturesLeaveTheDesignAndFillTheRest() {
        m_fx->settings->write(kIcon, kFirstKey, m_fx->appFile("missing.ico"));
        m_fx->settings->write(kAboutImage, kFirstKey, m_fx->appFile("missing.bmp"));
        m_fx->settings->write(kVersion, kFirstKey, QStringLiteral("7"));
        AboutDialog about(m_fx->services());
        QVERIFY(about.findChild<QLabel*>("AboutPicture")->pixmap().isNull());
        QCOMPARE(about.findChild<QLabel*>("Label2")->text(), QStringLiteral("7"));
    }

    void systemInfoLaunchesTheFirstProgramFound() {
        m_fx->installProgram(QStringLiteral("lshw-gtk"));
        const QString hardinfo = m_fx->installProgram(QStringLiteral("hardinfo"));
        AboutDialog about(m_fx->services());
        about.StartSysInfo(m_fx->programsDir.path());
        QCOMPARE(m_fx->launcher.launched, QStringList{hardinfo});
        QCOMPARE(m_fx->dialogs.messages, QStringList());
    }

    void systemInfoIsUnavailable_data() {
        QTest::addColumn<bool>("programInstalled");
        QTest::addColumn<bool>("launchFails");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("no program found") << false << false << ""
                                          << ""
                                          << "";
        QTest::newRow("launch failed") << true << true << ""
                                       << ""
                                       << "";
        QTest::newRow("family-site mode") << true << false << kDisney << kOnly << "1";
        QTest::newRow("domain restriction") << true << false << kRestriction << kAllowed << "Yes";
    }
    void systemInfoIsUnavailable() {
        QFETCH(bool, programInstalled);
        QFETCH(bool, launchFails);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        if (programInstalled) m_fx->installProgram(QStringLiteral("kinfocenter"));
        if (!section.isEmpty()) m_fx->settings->write(section, key, value);
        FailingLauncher failing;
        AppServices services = m_fx->services();
        if (launchFails) services.launcher = &failing;

        AboutDialog about(services);
        about.StartSysInfo(m_fx->programsDir.path());
        QCOMPARE(m_fx->dialogs.messages,
                 QStringList{"System Information Is Unavailable At This Time"});
        QCOMPARE(m_fx->launcher.launched, QStringList());
    }

    // The button searches the PATH of the process.
    void systemInfoButtonSearchesPath() {
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", m_fx->programsDir.path().toLocal8Bit());
        AboutDialog about(m_fx->services());
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        const QString cpuX = m_fx->installProgram(QStringLiteral("cpu-x"));
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        qputenv("PATH", savedPath);
        QCOMPARE(m_fx->dialogs.messages,
                 QStringList{"System Information Is Unavailable At This Time"});
        QCOMPARE(m_fx->launcher.launched, QStringList{cpuX});
    }

    void missingOrUnreadableTipFileShowsTheInstructions_data() {
        QTest::addColumn<bool>("directoryInItsPlace");
        QTest::newRow("missing") << false;
        // chmod 000 does not stop root from reading: a directory of that name cannot be read.
        QTest::newRow("unreadable") << true;
    }
    void missingOrUnreadableTipFileShowsTheInstructions() {
        QFETCH(bool, directoryInItsPlace);
        if (directoryInItsPlace) QVERIFY(QDir().mkpath(TipFile::path(m_fx->appDir.path())));
        TipOfTheDayDialog dialog(m_fx->services());
        const QString instructions = QStringLiteral(
            "That the tip file was not found? \r\n\r\nCreate a text file named T34.txt using "
            "NotePad with 1 tip per line. Then place it in the same directory as the "
            "application. ");
        QCOMPARE(tipText(dialog), instructions);
        QVERIFY(!dialog.LoadTips());
        clickNextTip(dialog);
        QCOMPARE(tipText(dialog), instructions);
    }

    void emptyTipFileShowsNothing() {
        writeTips(QByteArray());
        TipOfTheDayDialog dialog(m_fx->services());
        QCOMPARE(tipText(dialog), QString());
        clickNextTip(dialog);
        QCOMPARE(tipText(dialog), QString());
    }

    void oneTipIsShownAtEveryNextTip() {
        writeTips("\"Hello\"\r\n");
        TipOfTheDayDialog dialog(m_fx->services());
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(tipText(dialog), QStringLiteral("\"Hello\""));
            clickNextTip(dialog);
        }
    }

    void nextTipDrawsEveryTipAtRandom() {
        writeTips("a\r\nb\r\n\r\n");
        const QStringList tips{"a", "b", ""};
        for (quint32 seed : {1u, 2u, 12345u}) {
            TipOfTheDayDialog dialog(m_fx->services(), nullptr, seed);
            QCOMPARE(dialog.deck().tips(), tips);
            QSet<QString> seen;
            bool repeated = false;
            QString previous = tipText(dialog);
            seen << previous;
            for (int i = 0; i < 200; ++i) {
                clickNextTip(dialog);
                QVERIFY(tips.contains(tipText(dialog)));
                repeated = repeated || tipText(dialog) == previous;
                previous = tipText(dialog);
                seen << previous;
            }
            QCOMPARE(seen.size(), 3);
            QVERIFY(repeated);
        }
    }

    void sameSeedDrawsTheSameTips() {
        writeTips("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n");
        auto draws = [this](quint32 seed) {
            TipOfTheDayDialog dialog(m_fx->services(), nullptr, seed);
            QStringList shown;
            for (int i = 0; i < 10; ++i) {
                shown << tipText(dialog);
                clickNextTip(dialog);
            }
            return shown;
        };
        QCOMPARE(draws(7), draws(7));
        QVERIFY(draws(7) != draws(8));
    }

    void okEnterAndEscapeCloseTheTip_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("click OK") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void okEnterAndEscapeCloseTheTip() {
        QFETCH(int, key);
        writeTips("a\r\n");
        TipOfTheDayDialog dialog(m_fx->services());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (key == 0)
            dialog.findChild<QPushButton*>("cmdOK")->click();
        else
            QTest::keyClick(&dialog, Qt::Key(key));
        QVERIFY(!dialog.isVisible());
    }

    void tipOfTheDayIsModelessAndBroughtForwardWhenChosenAgain() {
        writeTips("first\r\n");
        QWidget window;
        QPointer<TipOfTheDayDialog> open;
        InformationDialogs::showTipOfTheDay(open, m_fx->services(), &window);
        QVERIFY(open);
        QVERIFY(!open->isModal());
        QVERIFY(open->isVisible());
        TipOfTheDayDialog* const first = open.data();

        writeTips("second\r\n");
        open->hide();
        InformationDialogs::showTipOfTheDay(open, m_fx->services(), &window);
        QCOMPARE(open.data(), first);
        QVERIFY(open->isVisible());
        QCOMPARE(tipText(*open), QStringLiteral("first"));

        open->findChild<QPushButton*>("cmdOK")->click();
        QTRY_VERIFY(!open);
        InformationDialogs::showTipOfTheDay(open, m_fx->services(), &window);
        QVERIFY(open);
        QCOMPARE(tipText(*open), QStringLiteral("second"));
        delete open.data();
    }
};

QTEST_MAIN(InformationDialogsTest)
#include "tst_informationdialogs.moc"
