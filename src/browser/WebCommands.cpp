#include "browser/WebCommands.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "platform/DialogService.h"

WebCommands::WebCommands(QWidget* window, WebComponent& web, DialogService& dialogs,
                         std::function<bool()> pageShown)
    : m_window(window),
      m_web(web),
      m_dialogs(dialogs),
      m_pageShown(std::move(pageShown)),
      m_printerInstalled([] { return !QPrinterInfo::availablePrinterNames().isEmpty(); }),
      m_printer(std::make_shared<QPrinter>()) {}

WebCommands::~WebCommands() = default;

QString WebCommands::disabledMessage(Command command) {
    switch (command) {
        case Command::SaveAs:
            return QStringLiteral("The SaveAs command is currently disabled.");
        case Command::PageSetup:
        case Command::Print:
            return QStringLiteral("The Print command is currently disabled.");
        case Command::Copy:
            return QStringLiteral("Select the text before utilizing this option.");
        case Command::SelectAll:
            return QStringLiteral(
                "Click on the screen to set the focus to the screen before utilizing this "
                "feature.");
        case Command::Paste:
            break;
    }
    return {};
}

void WebCommands::run(Command command) {
    if (command == Command::SelectAll) m_web.widget()->setFocus();
    WebComponent::CommandStatus status = m_web.QueryStatusWB(command);
    if (status == WebComponent::CommandStatus::QueryFailed) return;
    const bool needsShownPage =
        command == Command::SaveAs || command == Command::PageSetup || command == Command::Print;
    // Pasting into a hidden, refused page would be typing blind into it.
    if ((needsShownPage || command == Command::Paste) && !m_pageShown()) {
        status = WebComponent::CommandStatus::NotEnabled;
    }
    if (status != WebComponent::CommandStatus::Enabled) {
        const QString message = disabledMessage(command);
        if (!message.isEmpty()) m_dialogs.message(m_window, message);
        return;
    }
    switch (command) {
        case Command::SaveAs:
            saveAs();
            return;
        case Command::PageSetup:
            m_dialogs.choosePageSetup(m_window, *m_printer);
            return;
        case Command::Print:
            print();
            return;
        case Command::Copy:
        case Command::Paste:
        case Command::SelectAll:
            m_web.ExecWB(command);
            return;
    }
}

void WebCommands::saveAs() {
    const QString file = m_dialogs.saveFileName(m_window, QStringLiteral("Save As"), kSaveAsFilter,
                                                suggestedFileName("html"));
    if (!file.isEmpty()) m_web.ExecWB(Command::SaveAs, file);
}

void WebCommands::print() {
    if (m_printerInstalled()) {
        if (m_dialogs.choosePrinter(m_window, *m_printer)) m_web.Print(m_printer);
        return;
    }
    const QString file = m_dialogs.saveFileName(m_window, QStringLiteral("Print"), kPdfFilter,
                                                suggestedFileName("pdf"));
    if (!file.isEmpty()) m_web.PrintToPdf(file, m_printer->pageLayout());
}

// The page's title, without the characters a file name cannot hold.
QString WebCommands::suggestedFileName(const QString& suffix) const {
    QString name = m_web.LocationName().simplified();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) name = QStringLiteral("page");
    return name + QLatin1Char('.') + suffix;
}
