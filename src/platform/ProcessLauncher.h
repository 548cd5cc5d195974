#pragma once

#include <QString>

// Starts programs from command lines (custom toolbar buttons, mail client, editor) without
// waiting for them, so tests can record the launches instead.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher();

    // Starts `commandLine` (program followed by its arguments) as a new, independent
    // process. False when the line is empty or the program cannot be started; nothing is
    // shown to the user either way.
    virtual bool launch(const QString& commandLine) = 0;
};
