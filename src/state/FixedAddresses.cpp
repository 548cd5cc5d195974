#include "state/FixedAddresses.h"

#include <QUrl>

namespace {

QString shippedPage(const QString& applicationDirectory, const QString& name) {
    return QUrl::fromLocalFile(applicationDirectory + QStringLiteral("/pages/") + name).toString();
}

}  // namespace

namespace FixedAddresses {

QString vendorHome(const QString& applicationDirectory) {
    return shippedPage(applicationDirectory, QStringLiteral("home.html"));
}

QString vendorProblemPage(const QString& applicationDirectory) {
    return shippedPage(applicationDirectory, QStringLiteral("problem.html"));
}

QString vendorHelp() {
    return QStringLiteral("https://zelvo-browser.example/help/");
}

QString databaseDownload() {
    return QStringLiteral("https://zelvo-browser.example/download/Links.mdb");
}

QString familySiteDomain() {
    return QStringLiteral("disney.com");
}

QString familySiteHome() {
    return QStringLiteral("https://www.disney.com/");
}

}  // namespace FixedAddresses
