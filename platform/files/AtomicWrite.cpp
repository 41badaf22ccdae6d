#include "platform/files/AtomicWrite.h"

#include "platform/system/FailureReason.h"

#include <QSaveFile>

namespace platform {

bool WriteFileAtomically(const QString& path, QByteArrayView bytes, QString* error) {
    QSaveFile f(path);
    // QSaveFile buffers: a write error of the buffered bytes shows only in the flush, and commit()
    // would still put the short file in place. So flush and check before committing.
    if (f.open(QIODevice::WriteOnly) && f.write(bytes.data(), bytes.size()) == bytes.size() && f.flush() && f.commit())
        return true;
    if (error) *error = FileFailureReason(f);
    f.cancelWriting();
    return false;
}

} // namespace platform
