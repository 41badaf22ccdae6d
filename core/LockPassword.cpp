#include "core/LockPassword.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QStringList>

namespace core {

namespace {

const QString kScheme = QStringLiteral("pbkdf2-sha256");
constexpr int kIterations = 20000;
// The counts a file may hold: the one written now, up to five times it. Any
// other count makes the file damaged, so no file can make an attempt take minutes.
constexpr int kMinIterations = kIterations;
constexpr int kMaxIterations = 5 * kIterations;

QByteArray Pbkdf2(const QByteArray& password, const QByteArray& salt, int iterations) {
    // One block of PBKDF2 with HMAC-SHA256 gives a 32-byte key.
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    mac.addData(salt);
    mac.addData(QByteArray::fromHex("00000001"));
    QByteArray u = mac.result();
    QByteArray key = u;
    for (int i = 1; i < iterations; ++i) {
        mac.reset();
        mac.addData(u);
        u = mac.result();
        for (int j = 0; j < key.size(); ++j)
            key[j] = char(key[j] ^ u[j]);
    }
    return key;
}

bool IsDigest(const QString& stored) {
    return stored.startsWith(kScheme + u'$');
}

} // namespace

bool LockPassword::isDamaged() const {
    if (!IsDigest(stored_)) return false;
    const QStringList parts = stored_.split(u'$');
    if (parts.size() != 4) return true;
    bool ok = false;
    const int iterations = parts[1].toInt(&ok);
    return !ok || iterations < kMinIterations || iterations > kMaxIterations;
}

bool LockPassword::matches(const QString& typed) const {
    if (!IsDigest(stored_)) return typed == stored_;
    if (isDamaged()) return false;
    const QStringList parts = stored_.split(u'$');
    const int iterations = parts[1].toInt();
    const QByteArray salt = QByteArray::fromHex(parts[2].toLatin1());
    return Pbkdf2(typed.toUtf8(), salt, iterations).toHex() == parts[3].toLatin1();
}

void LockPassword::set(const QString& plain) {
    if (plain.isEmpty()) {
        stored_.clear();
        return;
    }
    QByteArray salt(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), salt.size() / 4);
    stored_ = QStringList{kScheme, QString::number(kIterations), QString::fromLatin1(salt.toHex()),
                          QString::fromLatin1(Pbkdf2(plain.toUtf8(), salt, kIterations).toHex())}
                  .join(u'$');
}

QString LockPassword::fileText() const {
    if (stored_.isEmpty() || IsDigest(stored_)) return stored_;
    LockPassword hashed;
    hashed.set(stored_);
    return hashed.stored_;
}

LockPassword LockPassword::fromFileText(const QString& text) {
    LockPassword p;
    p.stored_ = text;
    return p;
}

} // namespace core
