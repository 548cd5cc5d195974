#pragma once

#include <QString>
#include <functional>

#include "browser/BrowserContext.h"
#include "browser/MenuTable.h"
#include "browser/WebCommands.h"

class NavigationPolicy;
class QWidget;

// The menu commands of a browser window that reach beyond it: files, page commands, the
// address book, the screen capture, the program's own forms, the mail client, the wizard
// and the arrangement of the frame's windows.
class MenuCommands {
public:
    // `pageShown`: a page is loaded, shown and allowed.
    MenuCommands(QWidget* window, const LayoutProfile& profile, const BrowserContext& context,
                 WebComponent& web, const NavigationPolicy& policy,
                 std::function<bool()> pageShown);

    // Runs one of the commands above; false for a command that is not one of them.
    bool run(MenuCommand command);

    void openFile();
    void addressBook();
    void screenCapture();
    void openMailClient();
    void wizard();
    void arrange(WindowArrangement arrangement);

    WebCommands& webCommands() { return m_webCommands; }

    static inline const QString kOpenFileFilter = QStringLiteral(
        "Html-Htm (*.html *.htm)|*.html;*.htm|Pictures(*.jpg *.gif)|*.jpg;*.gif|Text & Doc "
        "Files(*.doc *.txt *.rtf)|*.doc;*.txt;*.rtf|All Files(*.*)|*.*");

private:
    QWidget* m_window;
    const LayoutProfile& m_profile;
    const BrowserContext& m_context;
    WebComponent& m_web;
    const NavigationPolicy& m_policy;
    WebCommands m_webCommands;
};
