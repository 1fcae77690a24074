#include "platform/ZMFileWrite.h"

#include "platform/ZMError.h"

#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw ZmError(("Cannot create file \"" + path + "\". " + reason).toStdString());
}

QString systemReason(int code) { return QString::fromStdString(std::generic_category().message(code)); }

}  // namespace

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    // Qt words these two cases in its own terms, or calls a folder "not writable".
    const QFileInfo target(path);
    if (target.isDir()) fail(path, systemReason(EISDIR));
    if (target.exists() && !target.isWritable()) fail(path, systemReason(EACCES));

    // No direct-write fallback: a folder that takes no temporary file fails here.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) fail(path, file.errorString());

    // Written on the descriptor, so that a short write (disk full, size limit) is seen with its
    // system error; Qt reports a short write as success and would commit the cut file.
    const int fd = file.handle();
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, static_cast<size_t>(left));
        if (n > 0) {
            at += n;
            left -= n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        const int code = n < 0 ? errno : EIO;
        file.cancelWriting();  // the temporary file goes with `file`
        fail(path, systemReason(code));
    }
    if (!file.commit()) fail(path, file.errorString());
}
