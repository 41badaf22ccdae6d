#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

struct zip;

namespace platform {

// A zip package opened for reading; closed when the object goes.
class ZipArchive {
public:
    using Entries = std::vector<std::pair<QString, QByteArray>>;

    // Fails with a reason such as "file not found" or "not a zip package".
    static std::optional<ZipArchive> open(const QString& path, QString* error = nullptr);

    // Writes a new archive holding the entries in order; the target is replaced only once complete.
    static bool write(const QString& path, const Entries& entries, QString* error = nullptr);

    // Entry names are matched case-insensitively, as package part names are.
    bool contains(const QString& name) const;
    std::optional<QByteArray> read(const QString& name, QString* error = nullptr) const;
    QStringList names() const;

private:
    struct Closer {
        void operator()(zip* archive) const;
    };
    explicit ZipArchive(zip* archive) : zip_(archive) {}
    std::unique_ptr<zip, Closer> zip_;
};

} // namespace platform
