#include "browser/MenuCommands.h"

#include <QWidget>

#include "browser/NavigationPolicy.h"
#include "platform/DesktopPrograms.h"
#include "platform/DialogService.h"
#include "platform/FormOpener.h"
#include "platform/ProcessLauncher.h"
#include "platform/ScreenCapture.h"
#include "state/SettingsKeys.h"
#include "state/SettingsStore.h"

namespace {

const QString kNoAddressBook = QStringLiteral(
    "This option is only available if the IE Address Book is on your system.  If the file is "
    "present but not appearing in this application, make sure the file wab.exe is in the "
    "Outlook Directory.  Future Zelvo Browser release will allow for Address Book "
    "assignments.");

}  // namespace

MenuCommands::MenuCommands(QWidget* window, const LayoutProfile& profile,
                           const BrowserContext& context, WebComponent& web,
                           const NavigationPolicy& policy, std::function<bool()> pageShown)
    : m_window(window),
      m_profile(profile),
      m_context(context),
      m_web(web),
      m_policy(policy),
      m_webCommands(window, web, *context.dialogs, std::move(pageShown)) {}

bool MenuCommands::run(MenuCommand command) {
    FormOpener* forms = m_context.forms;
    switch (command) {
        case MenuCommand::OpenFile:
            openFile();
            break;
        case MenuCommand::SaveAs:
            m_webCommands.run(WebCommands::Command::SaveAs);
            break;
        case MenuCommand::PageSetup:
            m_webCommands.run(WebCommands::Command::PageSetup);
            break;
        case MenuCommand::Print:
            m_webCommands.run(WebCommands::Command::Print);
            break;
        case MenuCommand::Copy:
            m_webCommands.run(WebCommands::Command::Copy);
            break;
        case MenuCommand::Paste:
            m_webCommands.run(WebCommands::Command::Paste);
            break;
        case MenuCommand::SelectAll:
            m_webCommands.run(WebCommands::Command::SelectAll);
            break;
        case MenuCommand::AddressBook:
            addressBook();
            break;
        case MenuCommand::ScreenCapture:
            screenCapture();
            break;
        case MenuCommand::TipOfTheDay:
            if (forms) forms->openTipOfTheDay(m_window);
            break;
        case MenuCommand::About:
            if (forms) forms->openAbout(m_window);
            break;
        case MenuCommand::CompanyProfile:
            if (forms) forms->openCompanyProfile(m_window);
            break;
        case MenuCommand::ViewLog:
            if (forms) forms->openVisitLog(m_window);
            break;
        case MenuCommand::OpenMailClient:
            openMailClient();
            break;
        case MenuCommand::Wizard:
            wizard();
            break;
        case MenuCommand::Cascade:
            arrange(WindowArrangement::Cascade);
            break;
        case MenuCommand::TileHorizontally:
            arrange(WindowArrangement::TileHorizontally);
            break;
        case MenuCommand::TileVertically:
            arrange(WindowArrangement::TileVertically);
            break;
        default:
            return false;
    }
    return true;
}

void MenuCommands::openFile() {
    const QString file =
        m_context.dialogs->openFileName(m_window, QStringLiteral("Open File"), kOpenFileFilter);
    if (file.isEmpty()) return;
    m_web.Navigate(file);
    m_web.widget()->setFocus();
}

// A desktop program is a way around the browsing policy: under family-site mode or the
// domain restriction the command behaves as if none were installed.
void MenuCommands::addressBook() {
    const bool policyAllows = !m_policy.familySiteMode() && !m_policy.restrained();
    const QString command = policyAllows
                                ? DesktopPrograms::findFirst(DesktopPrograms::addressBook(),
                                                             DesktopPrograms::searchPath())
                                : QString();
    if (!command.isEmpty() && m_context.launcher->launch(command)) return;
    if (m_profile.addressBookMissingReported) {
        m_context.dialogs->message(m_window, kNoAddressBook);
    }
}

void MenuCommands::screenCapture() {
    ScreenCapture::toClipboard();
}

void MenuCommands::openMailClient() {
    const QString commandLine =
        m_context.settings->read(SettingsKeys::kEMail, SettingsKeys::kSelection);
    if (commandLine.isEmpty()) {
        m_context.dialogs->message(m_window, QString::fromLatin1(m_profile.noMailClientMessage));
        if (m_context.forms) m_context.forms->openWizard(m_window, QString());
        return;
    }
    m_context.launcher->launch(commandLine);
}

// The wizard's opener asks for the administrator password before it writes the capacity.
void MenuCommands::wizard() {
    if (m_context.forms) {
        m_context.forms->openWizard(m_window, QString::number(m_profile.customButtons));
    }
}

void MenuCommands::arrange(WindowArrangement arrangement) {
    if (m_context.host) m_context.host->arrangeWindows(arrangement);
}
