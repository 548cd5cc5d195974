#include "platform/AdminPassword.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace {

constexpr char kScheme[] = "pbkdf2-sha256";
constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32;
// A stored count above this is refused rather than left to stall the wizard for minutes.
constexpr int kMaxIterations = 100000000;

QByteArray deriveKey(const QString& password, const QByteArray& salt, int iterations) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              iterations, kKeyBytes);
}

bool equalInConstantTime(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size()) return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i) difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

QByteArray decoded(const QString& text) {
    const auto result =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return result ? *result : QByteArray();
}

}  // namespace

QString AdminPassword::hash(const QString& password, int iterations) {
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                          kSaltBytes / int(sizeof(quint32)));
    return hash(password, salt, iterations);
}

QString AdminPassword::hash(const QString& password, const QByteArray& salt, int iterations) {
    return QStringList{QString::fromLatin1(kScheme), QString::number(iterations),
                       QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(deriveKey(password, salt, iterations).toBase64())}
        .join(QLatin1Char('$'));
}

bool AdminPassword::matches(const QString& password, const QString& stored) {
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != QLatin1String(kScheme)) return false;
    bool numeric = false;
    const int iterations = parts[1].toInt(&numeric);
    if (!numeric || iterations < 1 || iterations > kMaxIterations) return false;
    const QByteArray salt = decoded(parts[2]);
    const QByteArray key = decoded(parts[3]);
    if (salt.isEmpty() || key.size() != kKeyBytes) return false;
    return equalInConstantTime(deriveKey(password, salt, iterations), key);
}
