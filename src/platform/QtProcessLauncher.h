#pragma once

#include "platform/ProcessLauncher.h"

// Launches through QProcess as a detached process. The command line is split into words
// like this (QProcess::splitCommand):
// - words are separated by blanks; the first word is the program, found on PATH unless
//   it holds a '/';
// - double quotes group blanks into one word: "/opt/my tools/run" "two words";
// - three double quotes in a row give one literal double quote: """quoted""" is "quoted";
//   two in a row give nothing, so an empty argument cannot be written;
// - single quotes and backslashes are ordinary characters;
// - nothing is expanded: no variables, no globbing, no redirection. A command line that
//   needs a shell names it: sh -c "...".
class QtProcessLauncher : public ProcessLauncher {
public:
    bool launch(const QString& commandLine) override;
};
