#include <QApplication>

#include "app/Startup.h"

int main(int argc, char* argv[]) {
    // The engine's developer tools would be a way around the browser's rules.
    qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
    QApplication application(argc, argv);
    return Startup::run(application);
}
