#include "core/foundation/safesave.h"

#include "core/foundation/applog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace safesave {

namespace {
QMutex faultMutex;
bool faultOn = false;
qint64 faultLeft = 0;
int faultError = 0;

// How many of `size` bytes the injected fault lets through; `*error` is set when it cuts.
qint64 allowed(qint64 size, int *error)
{
    QMutexLocker lock(&faultMutex);
    if (!faultOn)
        return size;
    const qint64 through = qBound<qint64>(0, faultLeft, size);
    if (through < size)
        *error = faultError; // its temporary file goes, and the bytes it took come back
    else
        faultLeft -= size;
    return through;
}

// A failing call that left no errno behind (Qt sometimes clears it): the folder says why.
int probe(const QString &path, qint64 size)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists() || !folder.isDir())
        return ENOENT;
    if (!folder.isWritable())
        return EACCES;
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.isReadOnly())
        return EROFS;
    if (storage.isValid() && storage.bytesAvailable() < size + 4096)
        return ENOSPC;
    return EIO;
}

Outcome failed(const QString &path, int error, qint64 size)
{
    Outcome o;
    o.path = path;
    o.error = error != 0 ? error : probe(path, size);
    o.failure = classify(o.error);
    return o;
}
} // namespace

Outcome diagnose(const QString &path, qint64 size)
{
    return failed(path, 0, size);
}

QString Outcome::errorText() const
{
    return ok() ? QString() : QString::fromLocal8Bit(std::strerror(error));
}

QString Outcome::folder() const
{
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

Failure classify(int error)
{
    switch (error) {
    case 0:
        return Failure::None;
    case ENOSPC:
    case EDQUOT:
        return Failure::NoSpace;
    case EACCES:
    case EPERM:
    case EROFS:
        return Failure::NotWritable;
    case ENOENT:
    case ENOTDIR:
        return Failure::Missing;
    default:
        return Failure::Other;
    }
}

Outcome writeTo(QFileDevice &file, const QByteArray &bytes)
{
    const qint64 size = bytes.size();
    int injected = 0;
    const qint64 through = allowed(size, &injected);
    for (qint64 done = 0; done < through;) {
        errno = 0;
        const qint64 n = file.write(bytes.constData() + done, through - done);
        if (n <= 0) {
            const int error = errno;
            return failed(file.fileName(), error, size);
        }
        done += n;
    }
    if (injected != 0)
        return failed(file.fileName(), injected, size);
    errno = 0;
    if (!file.flush() || ::fsync(file.handle()) != 0) {
        const int error = errno;
        return failed(file.fileName(), error, size);
    }
    if (file.size() != size)
        return failed(file.fileName(), 0, size);
    Outcome o;
    o.path = file.fileName();
    return o;
}

Outcome write(const QString &path, const QByteArray &bytes, const QString &logTag,
              QFileDevice::Permissions permissions)
{
    QSaveFile file(path);
    Outcome o;
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = errno;
        o = failed(path, error, bytes.size());
    } else {
        file.setPermissions(permissions);
        o = writeTo(file, bytes);
        if (o.ok()) {
            errno = 0;
            if (!file.commit()) {
                const int error = errno;
                o = failed(path, error, bytes.size());
            }
        } else {
            file.cancelWriting();
        }
    }
    if (!o.ok())
        writeLog(logTag, QStringLiteral("cannot write %1: %2 (the old file is kept)")
                             .arg(QDir::toNativeSeparators(path), o.errorText()));
    return o;
}

qint64 freeSpaceMarginBytes = qint64(64) << 20;

QString roomFor(const QString &folder, qint64 expectedBytes)
{
    QFileInfo existing(folder);
    while (!existing.exists() && !existing.isRoot() && existing.absoluteFilePath().size() > 1)
        existing = QFileInfo(existing.absolutePath());
    const QStorageInfo storage(existing.absoluteFilePath());
    if (!storage.isValid())
        return QString();
    const qint64 needed = qMax<qint64>(0, expectedBytes) + freeSpaceMarginBytes;
    const qint64 free = storage.bytesAvailable();
    if (free >= needed)
        return QString();
    const auto mib = [](qint64 bytes) {
        return QString::number(double(bytes) / (1 << 20), 'f', 1);
    };
    return QCoreApplication::translate("safesave",
                                       "Not enough free space in %1: %2 MB free, %3 MB needed")
        .arg(QDir::toNativeSeparators(folder), mib(free), mib(needed));
}

void injectFault(qint64 bytesLeft, int error)
{
    QMutexLocker lock(&faultMutex);
    faultOn = true;
    faultLeft = bytesLeft;
    faultError = error;
}

void clearFault()
{
    QMutexLocker lock(&faultMutex);
    faultOn = false;
}

} // namespace safesave
