#pragma once

// A look inside a saved media file without starting a program: the file's own header says how
// long it plays, how large its picture is, which codecs it holds, and whether all of it arrived.
// Read are the containers most downloads come in: MP4/MOV/M4A (ISO base media), Matroska/WebM
// and MP3. Anything else is "unknown", and the caller decides whether to ask ffprobe.
//
// The file is untrusted: every size is checked against the file and bounded, nothing is read
// past its end, and at most a few MiB are read whatever the file claims.

#include "describe.h"

#include <QIODevice>
#include <QString>

namespace container {

enum class Format
{
    Unknown,
    Iso,
    Matroska,
    Mp3
};

struct Facts
{
    Format format = Format::Unknown;
    // False when the file ends before what its header promises (a download cut short, or the
    // index of an MP4 missing).
    bool complete = true;
    media::Info info; // what the header says; ok when it names at least one stream
};

Facts inspect(const QString &path);
Facts inspect(QIODevice &file); // open for reading, seekable

} // namespace container
