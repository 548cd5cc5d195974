#pragma once

#include <QString>
#include <optional>

// How the browsing policy reads an address, and how an address is written to the visit log.
namespace PolicyAddress {

// The part of `address` in which the allowed entries and the family site are looked for,
// or nothing when no restricted policy may ever allow it:
// - http: and https: addresses are searched whole, as typed or as the engine reports them;
// - a file: address is searched in its path only, never in its query or fragment;
// - every other scheme (internal pages, data:, blob:, javascript:, about:, ...) is refused.
// An address without a scheme is read as the address bar reads it (http, or a local file).
std::optional<QString> searchableText(const QString& address);

// The text as stored in a log row: control characters and bidirectional format characters
// become %XX escapes of their UTF-8 bytes, so that a row reads as what it is.
QString forLog(const QString& text);

}  // namespace PolicyAddress
