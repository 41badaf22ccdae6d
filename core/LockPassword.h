#pragma once
#include <QString>

namespace core {

// The lock password, kept in "zmkm.dat" as a salted PBKDF2-SHA256 digest.
// A file holding the plain password, as older installations wrote it, is
// still accepted; the next save replaces it with the digest. A damaged digest
// (wrong fields, or an iteration count the program never writes) is kept as it
// is and matches no password.
class LockPassword {
public:
    static constexpr const char* kFileName = "zmkm.dat";

    bool isSet() const { return !stored_.isEmpty(); }
    bool matches(const QString& typed) const;
    // A digest no password can match: the file was damaged.
    bool isDamaged() const;
    void set(const QString& plain);
    void clear() { stored_.clear(); }

    QString fileText() const;
    static LockPassword fromFileText(const QString& text);

private:
    QString stored_; // "pbkdf2-sha256$iterations$salt$digest", or a legacy plain password
};

} // namespace core
