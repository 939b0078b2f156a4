#pragma once

// The converter's two list files: a record count (32-bit) followed by that many ConvMediaInfo
// records. Written and read through listfile: files are replaced atomically, temporaries of an
// interrupted save are removed before reading, and a file whose reading did not finish last time
// is set aside as NAME.crashed instead of being read again.

#include "core/converter/convmediainfo.h"
#include "core/foundation/safesave.h"

#include <QList>
#include <QString>

class QIODevice;

namespace convertlist {

QByteArray serialize(const QList<const ConvMediaInfo *> &records);
// False when the file could not be written; the old file is then left as it was.
safesave::Outcome save(const QString &path, const QList<const ConvMediaInfo *> &records);
// save() of records serialized already (any thread).
safesave::Outcome write(const QString &path, const QByteArray &serialized);
// Every record before the first damaged one (the device is untrusted).
QList<ConvMediaInfo> read(QIODevice *device);
// read() on the file; empty when the file is missing or was set aside.
QList<ConvMediaInfo> load(const QString &path);

} // namespace convertlist
