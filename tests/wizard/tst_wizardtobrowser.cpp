#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "FakeWindowFixture.h"
#include "browser/CustomToolbar.h"
#include "state/SettingsKeys.h"
#include "wizard/WizardDialog.h"

// What the administrator enters on the wizard's "ToolBar" and "Links" tabs is what a browser
// window created afterwards shows and runs.
class TestWizardToBrowser : public QObject, private FakeWindowFixture {
    Q_OBJECT

    template <typename T>
    static T* control(const WizardDialog& wizard, const char* name) {
        T* found = wizard.findChild<T*>(QLatin1String(name));
        if (!found) qFatal("no control %s", name);
        return found;
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

    void buttonAndLinkReachANewWindow() {
        QPixmap picture(32, 32);
        picture.fill(Qt::darkBlue);
        const QString ico = m_env->appPath() + QStringLiteral("/school.ico");
        QVERIFY(picture.save(ico, "ICO"));
        m_env->settings->write(SettingsKeys::kButtonCount, SettingsKeys::kAmount,
                               QStringLiteral("19"));
        AppServices services;
        services.applicationDirectory = m_env->appPath();
        services.settings = m_env->settings.get();
        services.dialogs = &m_env->dialogs;
        services.launcher = &m_env->launcher;
        services.forms = &m_env->forms;
        WizardDialog wizard(services);
        wizard.startUp();

        control<QPushButton>(wizard, "AddNewIcon")->click();
        auto* name = control<QLineEdit>(wizard, "IconName");
        QTest::keyClicks(name, QStringLiteral("School"));
        QTest::keyClick(name, Qt::Key_Return);
        m_env->dialogs.files << ico;
        control<QPushButton>(wizard, "SearchPath")->click();
        auto* command = control<QLineEdit>(wizard, "IconCommandLine");
        QTest::keyClicks(command, QStringLiteral("http://school.example/"));
        QTest::keyClick(command, Qt::Key_Return);
        control<QPushButton>(wizard, "AddToToolBar")->click();

        control<QPushButton>(wizard, "NewRec")->click();
        QTest::keyClicks(control<QLineEdit>(wizard, "LinkName"), QStringLiteral("Library"));
        QTest::keyClicks(control<QLineEdit>(wizard, "URL"), QStringLiteral("library.example"));
        control<QPushButton>(wizard, "AddRec")->click();
        QVERIFY(m_env->dialogs.messages.isEmpty());

        BrowserWindow* window = open();
        QToolButton* button = window->customToolbar().buttons().first();
        QCOMPARE(button->toolTip(), QStringLiteral("School"));
        QVERIFY(!button->icon().isNull());
        auto* quickLinks = child<QComboBox>(window, "Combo1");
        QCOMPARE(quickLinks->count(), 1);
        QCOMPARE(quickLinks->itemText(0), QStringLiteral("Library"));
        button->click();
        emit quickLinks->activated(0);
        QCOMPARE(fake(window)->calls,
                 (QStringList{"Navigate http://school.example/", "Navigate library.example"}));
    }
};

QTEST_MAIN(TestWizardToBrowser)
#include "tst_wizardtobrowser.moc"
