#pragma once

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "RecordingDialogService.h"
#include "RecordingProcessLauncher.h"
#include "platform/AppServices.h"
#include "state/SettingsStore.h"

// A private application directory, settings file and recording services for one test case.
struct DialogsFixture {
    QTemporaryDir appDir;
    QTemporaryDir configDir;
    QTemporaryDir programsDir;  // stands in for the folders on PATH
    RecordingDialogService dialogs;
    RecordingProcessLauncher launcher;
    std::unique_ptr<SettingsStore> settings =
        std::make_unique<SettingsStore>(configDir.filePath(QStringLiteral("Browser.ini")));

    AppServices services() {
        AppServices s;
        s.applicationDirectory = appDir.path();
        s.settings = settings.get();
        s.dialogs = &dialogs;
        s.launcher = &launcher;
        return s;
    }
    QString appFile(const QString& name) const { return appDir.filePath(name); }

    // An executable file named `name` in the stand-in PATH folder; returns its path.
    QString installProgram(const QString& name) {
        const QString path = programsDir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return {};
        file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return path;
    }

    // A small picture in the application directory; returns its path.
    QString writePicture(const QString& name, const char* format) {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::red);
        const QString path = appFile(name);
        return image.save(path, format) ? path : QString();
    }
};
