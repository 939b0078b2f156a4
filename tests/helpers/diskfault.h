#pragma once

// Faults of the disk for the save tests: a write that runs out of space at a chosen byte (the
// writer's own seam, so the case runs everywhere), a real small tmpfs and a read-only folder
// (mounted when the test runs as root; a folder without write permission otherwise).

#include "core/foundation/safesave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace diskfault {

// The disk is full after `bytesLeft` more bytes, until this goes out of scope.
struct Full
{
    explicit Full(qint64 bytesLeft, int error = ENOSPC) { safesave::injectFault(bytesLeft, error); }
    ~Full() { safesave::clearFault(); }
};

// A tmpfs of its own (root only); `reason` says why there is none.
class SmallDisk
{
public:
    explicit SmallDisk(qint64 bytes, bool readOnly = false)
    {
        if (::geteuid() != 0) {
            reason = QStringLiteral("mounting a tmpfs needs root");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
        const QByteArray where = QFile::encodeName(dir.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", readOnly ? MS_RDONLY : 0,
                    options.constData()) != 0) {
            reason =
                QStringLiteral("mount failed: %1").arg(QString::fromLocal8Bit(strerror(errno)));
            return;
        }
        mounted = true;
    }
    ~SmallDisk()
    {
        if (mounted)
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    bool ok() const { return mounted; }
    QString path() const { return dir.path(); }
    QString skipReason() const { return reason; }
    // Writes a filler until the disk is full.
    void fill()
    {
        QFile filler(dir.filePath(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, 'x');
        while (filler.write(block) > 0) {
        }
    }

private:
    QTemporaryDir dir;
    bool mounted = false;
    QString reason;
};

// A folder nothing can be written into: a read-only tmpfs for root (permissions do not stop
// root), a folder without write permission for anyone else.
class ReadOnlyFolder
{
public:
    ReadOnlyFolder()
        : disk(1 << 20, true)
    {
        if (::geteuid() != 0)
            ::chmod(QFile::encodeName(plain.path()).constData(), 0555);
    }
    ~ReadOnlyFolder() { ::chmod(QFile::encodeName(plain.path()).constData(), 0755); }
    bool ok() const { return ::geteuid() != 0 || disk.ok(); }
    QString path() const { return ::geteuid() == 0 ? disk.path() : plain.path(); }
    QString skipReason() const { return disk.skipReason(); }

private:
    SmallDisk disk;
    QTemporaryDir plain;
};

} // namespace diskfault
