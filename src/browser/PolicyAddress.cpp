#include "browser/PolicyAddress.h"

#include <QUrl>

namespace PolicyAddress {

std::optional<QString> searchableText(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) return address;
    if (scheme == QLatin1String("file")) return url.path();
    return std::nullopt;
}

namespace {

bool needsEscape(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;
    switch (c) {
        case 0x061C:  // Arabic letter mark
        case 0x200E:  // left-to-right mark
        case 0x200F:  // right-to-left mark
            return true;
        default:
            return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
    }
}

}  // namespace

QString forLog(const QString& text) {
    QString logged;
    logged.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (!needsEscape(c)) {
            logged += character;
            continue;
        }
        for (unsigned char byte : character.toUtf8())
            logged += QLatin1Char('%') +
                      QString::number(byte, 16).rightJustified(2, QLatin1Char('0')).toUpper();
    }
    return logged;
}

}  // namespace PolicyAddress
