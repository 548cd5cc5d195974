#include <QApplication>

#include "app/Startup.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Zelvo"));
    QApplication::setApplicationName(QStringLiteral("Browser"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zelvo Browser"));
    return Startup::run(application);
}
