#include "browser/CustomCommand.h"

namespace CustomCommand {

bool isWebAddress(const QString& commandLine) {
    static const char* const markers[] = {"HTTP://", "FTP://", "HTTPS://", "WWW", "HTM",
                                          "XLS",     "DOC",    "TXT",      "ASP", "HTML"};
    const QString upper = commandLine.toUpper();
    for (const char* marker : markers) {
        if (upper.contains(QLatin1String(marker))) return true;
    }
    return false;
}

}  // namespace CustomCommand
