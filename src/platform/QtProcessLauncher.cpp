#include "platform/QtProcessLauncher.h"

#include <QProcess>
#include <QStringList>

bool QtProcessLauncher::launch(const QString& commandLine) {
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty()) return false;
    const QString program = arguments.takeFirst();
    return QProcess::startDetached(program, arguments);
}
