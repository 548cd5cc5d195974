#pragma once

#include <QString>

// The command line of a custom toolbar button is either navigated to or launched.
namespace CustomCommand {

// True when the upper-cased command line contains, anywhere, one of the web markers
// "HTTP://", "FTP://", "HTTPS://", "WWW", "HTM", "XLS", "DOC", "TXT", "ASP" or "HTML".
// Such a command line is handed to the web component exactly as stored, so documents
// and any path holding a marker (for example a "Documents" folder) open in the browser.
bool isWebAddress(const QString& commandLine);

}  // namespace CustomCommand
