#pragma once

// The facts a row of media shows, as model roles: the downloaded list, the converted list and
// their painters read them by these names, and the title is Qt::DisplayRole. A new fact is one
// field in the record, one role here, one answer in each model and one entry in the painters'
// fact lists.

#include <Qt>

namespace mediaroles {

enum Role
{
    ObjectRole = Qt::UserRole + 64, // QObject*: what the row shows (a job, a converted record)
    FilePathRole,                   // QString
    ThumbnailRole,                  // QString: the picture file shown ("" for the default cover)
    SizeRole,                       // qint64: bytes (0 unknown)
    DurationRole,                   // double: seconds (0 unknown)
    FormatRole,                     // QString: the file type ("MP4")
    ResolutionRole,                 // QString: "WIDTHxHEIGHT" ("" unknown)
    QualityRole,                    // QString: the bit rate ("128Kb/s", "" unknown)
    AudioRole,                      // bool: an audio file (its quality matters, not its size)
    SubtitleRole,                   // bool: subtitles or lyrics came with it
    DateRole,                       // QDateTime: when it was finished (invalid: not known)
    SourceUrlRole,                  // QString: the page it came from
    PrivateRole,                    // bool: kept in the private list
    ConvertedRole,                  // bool: converted after its download
};

} // namespace mediaroles
