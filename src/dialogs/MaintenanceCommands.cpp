#include "dialogs/MaintenanceCommands.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>
#include <utility>

#include "platform/DesktopPrograms.h"
#include "platform/DialogService.h"
#include "platform/FileChooser.h"
#include "platform/ProcessLauncher.h"
#include "state/FixedAddresses.h"
#include "state/LinksDatabase.h"
#include "state/SettingsKeys.h"
#include "state/TipFile.h"

MaintenanceCommands::MaintenanceCommands(const AppServices& services, QWidget* parent,
                                         FileOpener openFile)
    : m_services(services), m_parent(parent), m_openFile(std::move(openFile)) {
    if (!m_openFile) m_openFile = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

QString MaintenanceCommands::databasePath() const {
    return m_services.applicationDirectory + QStringLiteral("\\Links.mdb");
}

bool MaintenanceCommands::clearLog() {
    const QString error = LinksDatabase(databasePath()).clearLog();
    if (!error.isEmpty()) {
        m_services.dialogs->message(m_parent, error);
        return false;
    }
    m_services.dialogs->message(m_parent, QStringLiteral("The Log File has been cleared."));
    return true;
}

void MaintenanceCommands::addDailyTip() {
    const std::optional<QString> answer = m_services.dialogs->inputText(
        m_parent, QStringLiteral("Please enter a new tip of the day."),
        QStringLiteral("Enter New Tip"));
    TipFile::appendTip(TipFile::path(m_services.applicationDirectory), answer.value_or(QString()));
}

void MaintenanceCommands::editTips() {
    const QString file = TipFile::path(m_services.applicationDirectory);
    if (!QFile::exists(file)) {
        QFile created(file);
        created.open(QIODevice::WriteOnly);
    }
    m_openFile(QUrl::fromLocalFile(file));
}

QString MaintenanceCommands::networkSettingsUnavailableMessage() {
    QStringList programs;
    for (const QString& line : DesktopPrograms::networkSettings())
        programs << line.section(QLatin1Char(' '), 0, 0);
    return QStringLiteral(
               "Internet settings cannot be opened from here: none of these programs was "
               "found: %1.  Open the network or proxy settings from your desktop's own "
               "settings.")
        .arg(programs.join(QStringLiteral(", ")));
}

void MaintenanceCommands::configureSettings(const QString& searchPath) {
    const QString program =
        DesktopPrograms::findFirst(DesktopPrograms::networkSettings(), searchPath);
    if (program.isEmpty() || !m_services.launcher->launch(program))
        m_services.dialogs->message(m_parent, networkSettingsUnavailableMessage());
}

QString MaintenanceCommands::helpMessage() {
    return QStringLiteral(
               "Zelvo Browser provides On-Line help for Administration of this web browser.  "
               "Please visit ") +
           FixedAddresses::vendorHelp() +
           QStringLiteral(
               ".  Future versions of zelvo browser will include both on-line and off-line help "
               "documentation.");
}

void MaintenanceCommands::showHelp() {
    m_services.dialogs->message(m_parent, helpMessage());
}

void MaintenanceCommands::selectMailClient(FileChooser& sharedDialog) {
    m_services.dialogs->message(
        m_parent,
        QStringLiteral("The Mail address for OUTLOOK usually appears with this command line:  "
                       "\"MSIMN.EXE\".  Netscapes Messenger usually appears with this command "
                       "line: \"NETSCAPE.EXE -MAIL\"  Note the SPACE after \".EXE\" then the "
                       "dash.  Netscape requires the space."));
    sharedDialog.setDirectory(QStringLiteral("/usr/bin"));
    QString program = sharedDialog.choose(m_parent);
    // The browser runs the stored text as a command line: a blank in the path must not
    // split the program's name.
    if (program.contains(QLatin1Char(' '))) program = QLatin1Char('"') + program + QLatin1Char('"');
    m_services.settings->write(SettingsKeys::kEMail, SettingsKeys::kSelection, program);
    m_services.dialogs->message(m_parent, program.isEmpty()
                                              ? QStringLiteral("EMail selection is not active.")
                                              : QStringLiteral("EMail selection active."));
}

void MaintenanceCommands::reinitialiseSettings() {
    SettingsKeys::reinitialise(*m_services.settings,
                               FixedAddresses::vendorProblemPage(m_services.applicationDirectory));
    m_services.dialogs->message(
        m_parent, QStringLiteral("The settings have been reinitialized.  Restart the browser "
                                 "before attempting a re-configuration of ANY settings."));
}
