#pragma once

// The one way a file that holds the user's data is replaced (the lists, the converter's lists,
// the site tiles, the settings): the bytes go into a temporary file beside it through QSaveFile,
// unbuffered, so that every failing write is seen where it happens; the size written must equal
// the size expected; the file is flushed and synced to the disk; only then does it replace the
// old one. On any failure the old file stays as it was and the outcome says why, with the
// system's own error (errno), never "Unknown error".

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace safesave {

enum class Failure
{
    None,
    NoSpace,     // ENOSPC, EDQUOT
    NotWritable, // EACCES, EPERM, EROFS
    Missing,     // the folder vanished (ENOENT, ENOTDIR)
    Other,
};

struct Outcome
{
    Failure failure = Failure::None;
    int error = 0; // errno of the failing call
    QString path;  // the file that was to be written
    bool ok() const { return failure == Failure::None; }
    explicit operator bool() const { return ok(); }
    // The system's text for the error ("No space left on device").
    QString errorText() const;
    // The folder of the file, as the user sees it.
    QString folder() const;
};

Failure classify(int error);

// Replaces the file with the bytes, or leaves it as it was. Failures are logged under the tag.
Outcome write(const QString &path, const QByteArray &bytes, const QString &logTag,
              QFileDevice::Permissions permissions = QFileDevice::ReadOwner |
                                                     QFileDevice::WriteOwner);

// The same checks for a save file another writer opened (the settings store's): writes the
// bytes, checks their size, flushes and syncs. The caller commits on success.
Outcome writeTo(QFileDevice &file, const QByteArray &bytes);

// Why a file cannot be written when the writer gave no errno (the settings store only says
// that it failed): the folder is missing, not writable, read-only, or short of `size` bytes.
Outcome diagnose(const QString &path, qint64 size);

// Room for a download or a conversion: empty when the folder (or its nearest existing parent)
// has `expectedBytes` plus a margin free, otherwise the refusal the user sees. An unknown size
// (0) asks for the margin only.
extern qint64 freeSpaceMarginBytes;
QString roomFor(const QString &folder, qint64 expectedBytes);

// A disk that fills up, for tests and the soak bench: `bytesLeft` bytes are free; a write that
// needs more fails with `error` (ENOSPC by default) at the byte where the space ends and gives
// its bytes back (its temporary file goes); a write that fits uses them up. Until clearFault().
// Thread-safe.
void injectFault(qint64 bytesLeft, int error = 28 /* ENOSPC */);
void clearFault();

} // namespace safesave
