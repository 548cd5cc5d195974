#pragma once

#include <QString>

class DialogService;
class FormOpener;
class ProcessLauncher;
class SettingsStore;

// The services that windows, the wizard and the dialogs share.
struct AppServices {
    QString applicationDirectory;
    SettingsStore* settings = nullptr;
    DialogService* dialogs = nullptr;
    ProcessLauncher* launcher = nullptr;
    // Opens the program's own forms; null where no form may be opened.
    FormOpener* forms = nullptr;
};
