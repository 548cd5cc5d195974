#pragma once

#include <QTemporaryDir>
#include <memory>

#include "RecordingDialogService.h"
#include "state/SettingsStore.h"

// A private application directory and settings file for one test case.
struct TestEnvironment {
    QTemporaryDir appDir;
    QTemporaryDir configDir;
    RecordingDialogService dialogs;
    std::unique_ptr<SettingsStore> settings;

    TestEnvironment() : settings(std::make_unique<SettingsStore>(iniFile())) {}
    QString iniFile() const { return configDir.path() + QStringLiteral("/Zelvo/Browser.ini"); }
    QString appPath() const { return appDir.path(); }
    // A new store on the same file, as the next run of the program would open it.
    void reopenSettings() { settings = std::make_unique<SettingsStore>(iniFile()); }
};
