#pragma once

#include <QTemporaryDir>
#include <memory>

#include "RecordingDialogService.h"
#include "RecordingFormOpener.h"
#include "RecordingProcessLauncher.h"
#include "browser/BrowserContext.h"
#include "state/SettingsStore.h"

// A private application directory, settings file and recording services for one test case.
struct TestEnvironment {
    QTemporaryDir appDir;
    QTemporaryDir configDir;
    RecordingDialogService dialogs;
    RecordingProcessLauncher launcher;
    RecordingFormOpener forms;
    std::unique_ptr<SettingsStore> settings;

    TestEnvironment() : settings(std::make_unique<SettingsStore>(iniFile())) {}
    QString iniFile() const { return configDir.path() + QStringLiteral("/Zelvo/Browser.ini"); }
    QString appPath() const { return appDir.path(); }
    // A new store on the same file, as the next run of the program would open it.
    void reopenSettings() { settings = std::make_unique<SettingsStore>(iniFile()); }

    // The services for browser windows of this environment; the host is set by whoever
    // places the windows.
    BrowserContext context(WebComponentFactory webComponents) {
        BrowserContext c;
        c.applicationDirectory = appPath();
        c.settings = settings.get();
        c.dialogs = &dialogs;
        c.launcher = &launcher;
        c.forms = &forms;
        c.webComponents = std::move(webComponents);
        return c;
    }
};
