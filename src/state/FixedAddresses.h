#pragma once

#include <QString>

// The fixed addresses of the product. The vendor's home and problem pages ship with the
// program (pages/ beside the executable), so an offline kiosk still shows something useful.
namespace FixedAddresses {

QString vendorHome(const QString& applicationDirectory);
QString vendorProblemPage(const QString& applicationDirectory);
QString vendorHelp();
QString databaseDownload();
// Lower-case domain of the family site, and the address of its home page.
QString familySiteDomain();
QString familySiteHome();

}  // namespace FixedAddresses
