#include "platform/office/ZipArchive.h"
#include "platform/system/FailureReason.h"

#include <QFile>
#include <QSaveFile>
#include <zip.h>

namespace platform {

namespace {

// Guards against zip bombs: no part of a question bank comes near this.
constexpr zip_uint64_t kMaxEntrySize = 512u * 1024 * 1024;

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

QString describe(int code) {
    switch (code) {
    case ZIP_ER_NOENT:
        return QStringLiteral("file not found");
    case ZIP_ER_NOZIP:
    case ZIP_ER_INCONS:
        return QStringLiteral("not a zip package");
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
        return QStringLiteral("cannot read the file");
    default: {
        zip_error_t e;
        zip_error_init_with_code(&e, code);
        const QString text = QString::fromUtf8(zip_error_strerror(&e));
        zip_error_fini(&e);
        return text;
    }
    }
}

QString describe(zip_t* archive) {
    return QString::fromUtf8(zip_error_strerror(zip_get_error(archive)));
}

// Builds the archive in memory so that a failure leaves no half-written file behind.
std::optional<QByteArray> buildArchive(const ZipArchive::Entries& entries, QString* error) {
    zip_error_t e;
    zip_error_init(&e);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &e);
    zip_t* archive = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &e) : nullptr;
    if (!archive) {
        setError(error, QString::fromUtf8(zip_error_strerror(&e)));
        zip_error_fini(&e);
        if (buffer) zip_source_free(buffer);
        return std::nullopt;
    }
    zip_error_fini(&e);
    zip_source_keep(buffer); // still needed after zip_close to read the bytes back
    for (const auto& [name, bytes] : entries) {
        zip_source_t* s = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (!s || zip_file_add(archive, name.toUtf8().constData(), s, ZIP_FL_ENC_UTF_8) < 0) {
            setError(error, describe(archive));
            if (s) zip_source_free(s);
            zip_discard(archive);
            zip_source_free(buffer);
            return std::nullopt;
        }
    }
    if (zip_close(archive) < 0) {
        setError(error, describe(archive));
        zip_discard(archive);
        zip_source_free(buffer);
        return std::nullopt;
    }
    QByteArray out;
    if (zip_source_open(buffer) == 0) {
        char chunk[65536];
        zip_int64_t n = 0;
        while ((n = zip_source_read(buffer, chunk, sizeof chunk)) > 0)
            out.append(chunk, qsizetype(n));
        if (n < 0) out.clear();
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    if (out.isEmpty()) {
        setError(error, QStringLiteral("cannot assemble the zip package"));
        return std::nullopt;
    }
    return out;
}

} // namespace

void ZipArchive::Closer::operator()(zip* archive) const {
    zip_discard(archive); // read-only: nothing to write back
}

std::optional<ZipArchive> ZipArchive::open(const QString& path, QString* error) {
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive) {
        setError(error, describe(code));
        return std::nullopt;
    }
    return ZipArchive(archive);
}

bool ZipArchive::write(const QString& path, const Entries& entries, QString* error) {
    const std::optional<QByteArray> bytes = buildArchive(entries, error);
    if (!bytes) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit()) {
        setError(error, FileFailureReason(file));
        return false;
    }
    return true;
}

bool ZipArchive::contains(const QString& name) const {
    return zip_name_locate(zip_.get(), name.toUtf8().constData(), ZIP_FL_NOCASE) >= 0;
}

std::optional<QByteArray> ZipArchive::read(const QString& name, QString* error) const {
    const QByteArray utf8 = name.toUtf8();
    zip_stat_t st;
    if (zip_stat(zip_.get(), utf8.constData(), ZIP_FL_NOCASE, &st) < 0 || !(st.valid & ZIP_STAT_SIZE)) {
        setError(error, QStringLiteral("%1 missing").arg(name));
        return std::nullopt;
    }
    if (st.size > kMaxEntrySize) {
        setError(error, QStringLiteral("%1 is too large").arg(name));
        return std::nullopt;
    }
    zip_file_t* file = zip_fopen(zip_.get(), utf8.constData(), ZIP_FL_NOCASE);
    if (!file) {
        setError(error, QStringLiteral("cannot read %1: %2").arg(name, describe(zip_.get())));
        return std::nullopt;
    }
    QByteArray bytes(qsizetype(st.size), Qt::Uninitialized);
    const zip_int64_t n = zip_fread(file, bytes.data(), st.size);
    const bool ok = n == zip_int64_t(st.size);
    const QString reason = QString::fromUtf8(zip_error_strerror(zip_file_get_error(file)));
    zip_fclose(file);
    if (!ok) {
        setError(error, QStringLiteral("cannot read %1: %2").arg(name, reason));
        return std::nullopt;
    }
    return bytes;
}

QStringList ZipArchive::names() const {
    QStringList out;
    const zip_int64_t n = zip_get_num_entries(zip_.get(), 0);
    for (zip_int64_t i = 0; i < n; ++i) {
        if (const char* name = zip_get_name(zip_.get(), zip_uint64_t(i), 0)) out << QString::fromUtf8(name);
    }
    return out;
}

} // namespace platform
