#pragma once

#include <QStringList>

#include "platform/ProcessLauncher.h"

// Records each command line instead of starting it.
class RecordingProcessLauncher : public ProcessLauncher {
public:
    bool launch(const QString& commandLine) override {
        launched << commandLine;
        return true;
    }

    QStringList launched;
};
