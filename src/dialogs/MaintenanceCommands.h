#pragma once

#include <QString>
#include <functional>

#include "platform/AppServices.h"

class FileChooser;
class QUrl;
class QWidget;

// The administrator's one-shot maintenance commands: clear the visit log, add and edit
// tips, help, the mail-client selection, the desktop's internet settings and re-initialising
// the settings store. They hold no widgets, so the wizard's buttons call them and tests
// drive them directly; every message goes through the dialog service.
class MaintenanceCommands {
public:
    // Opens a file with the desktop's program for it; true when that started.
    using FileOpener = std::function<bool(const QUrl&)>;

    // `parent` owns the message boxes. By default files open through QDesktopServices.
    MaintenanceCommands(const AppServices& services, QWidget* parent, FileOpener openFile = {});

    // Deletes every visit in one statement and says so. On failure it shows the engine's
    // message and returns false: the caller then reloads its quick-link list.
    bool clearLog();
    // Asks for a tip and appends it, in double quotes, to T34.txt (a cancel appends "").
    void addDailyTip();
    // Opens T34.txt in the desktop's text editor, creating an empty file when none is there.
    void editTips();
    // Opens the desktop's network or proxy settings, or says that none was found.
    void configureSettings(const QString& searchPath);
    void showHelp();
    // Chooses the mail client's program with the wizard's shared picture dialog, starting
    // in /usr/bin; a cancel gives the dialog's earlier file.
    void selectMailClient(FileChooser& sharedDialog);
    // Writes the re-initialise values of the key table and says so.
    void reinitialiseSettings();

    static QString helpMessage();
    static QString networkSettingsUnavailableMessage();

private:
    QString databasePath() const;

    AppServices m_services;
    QWidget* m_parent;
    FileOpener m_openFile;
};
