#pragma once

// The converter's two list files: a record count (32-bit) followed by that many ConvMediaInfo
// records. Files are replaced atomically; a ".tag" marker beside a file exists only while it is
// being read, so a read that crashed the last start discards the file instead of crashing again.

#include "core/converter/convmediainfo.h"

#include <QList>
#include <QString>

namespace convertlist {

QByteArray serialize(const QList<const ConvMediaInfo *> &records);
// False when the file could not be written; the old file is then left as it was.
bool save(const QString &path, const QList<const ConvMediaInfo *> &records);
// Every record before the first damaged one; empty when the file is missing or was guarded.
QList<ConvMediaInfo> load(const QString &path);

} // namespace convertlist
