#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "platform/WebComponent.h"

class DialogService;
class QPrinter;
class QWidget;

// The page commands of a window's menus: Save As, Page Setup, Print, Copy, Paste and Select
// All, run through the component's status query and execution.
class WebCommands {
public:
    using Command = WebComponent::Command;

    // `pageShown` tells whether a page is loaded, shown and allowed: Save As, Page Setup and
    // Print need one besides the engine's consent.
    WebCommands(QWidget* window, WebComponent& web, DialogService& dialogs,
                std::function<bool()> pageShown);
    ~WebCommands();

    // Runs a command: nothing when the status query fails, the command's message when it
    // is not enabled (Paste has none), otherwise the command with its dialog.
    void run(Command command);

    // Print writes a PDF file instead of printing while no printer is installed; tests
    // replace the system's answer.
    void setPrinterInstalled(std::function<bool()> installed) {
        m_printerInstalled = std::move(installed);
    }

    // The message shown when `command` is not enabled; empty for Paste.
    static QString disabledMessage(Command command);

    static inline const QString kSaveAsFilter =
        QStringLiteral("Web Page (*.html *.htm)|*.html;*.htm|Web Archive (*.mht)|*.mht");
    static inline const QString kPdfFilter = QStringLiteral("PDF Files (*.pdf)|*.pdf");

private:
    void saveAs();
    void print();
    QString suggestedFileName(const QString& suffix) const;

    QWidget* m_window;
    WebComponent& m_web;
    DialogService& m_dialogs;
    std::function<bool()> m_pageShown;
    std::function<bool()> m_printerInstalled;
    // Page Setup's choices, kept for the window's next Print.
    std::shared_ptr<QPrinter> m_printer;
};
