#pragma once

// What every list file of the application shares (the download lists, the converter's lists):
// atomic replacement through QSaveFile, a crash guard around reading, removal of the temporary
// files an interrupted save leaves behind, and a reader for the byte-array variants the files
// store that accepts nothing else. A list file is untrusted input: reading it never recurses,
// never allocates more than the file's own size allows and never crashes; damage ends the read
// with the records before it kept.

#include "core/foundation/safesave.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QDataStream;
class QIODevice;

namespace listfile {

// Writes what `stream << QVariant(bytes)` writes, byte for byte.
void writeByteArrayVariant(QDataStream &stream, const QByteArray &bytes);
// Reads a variant that must hold a byte array. Any other type (or a cut) puts the stream into
// an error state and leaves `bytes` empty.
bool readByteArrayVariant(QDataStream &stream, QByteArray *bytes);

// Replaces the file with the bytes (safesave::write), or leaves it as it was. Failures are
// logged under the tag.
safesave::Outcome writeAtomically(const QString &path, const QByteArray &bytes,
                                  const QString &logTag);

// Reads the file under the crash guard: a marker `path + ".tag"` exists only while `read` runs.
// A marker found beforehand means the last read never finished: the file is set aside as
// `path + ".crashed"` (one copy, replacing an older one), nothing is read from it, and false is
// returned. A missing file is read as an empty device.
bool guardedRead(const QString &path, const QString &logTag,
                 const std::function<void(QIODevice *)> &read);

// The name a list file is set aside under.
QString crashedPath(const QString &path);
// The list files set aside since the last call (for telling the user once).
QStringList takeSetAsideFiles();

// Removes the temporary files that saves of this file interrupted by a crash left beside it
// ("task_list.dat.Ab12Cd"). Call only while no save of the file is running.
void removeStaleSaveFiles(const QString &path);

} // namespace listfile
