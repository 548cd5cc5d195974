#pragma once

#include <QByteArray>
#include <QString>

// The administrator password, kept only as a salted, slow hash:
// "pbkdf2-sha256$<iterations>$<salt base64>$<key base64>".
// The iteration count travels inside the text, so raising the constant later leaves older
// hashes valid.
class AdminPassword {
public:
    // About a quarter of a second per check here (measured: 130 ms per 100,000 rounds).
    static constexpr int kIterations = 200000;

    // A new hash of `password` with a fresh random salt.
    static QString hash(const QString& password, int iterations = kIterations);
    // The same, with the salt given (for tests of the format).
    static QString hash(const QString& password, const QByteArray& salt, int iterations);
    // True only when `stored` is a well-formed hash of `password`; the keys are compared in
    // constant time.
    static bool matches(const QString& password, const QString& stored);
};
