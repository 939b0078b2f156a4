#pragma once

// Format choice and file names for a download: which formats yt-dlp picks for a quality, and the
// output template (the folder escaped, so that a "%" in it is a "%", not template syntax).

#include <QString>

namespace choice {

// yt-dlp's format selection for "audio"/"video" and a quality such as "1080P".
QString formatFor(const QString &mediaType, const QString &videoQuality);

// "%" doubled: yt-dlp reads the text as it stands.
QString escapedForTemplate(QString text);

// The output template: the folder, an optional fixed prefix ("2. "), then the title.
QString outputTemplate(const QString &folder, const QString &prefix);

// The number put before a playlist entry's file name: its index, or counted from the end.
QString indexPrefix(int index, int count, bool reverse);

// The title fix for a page's only (or first) video: yt-dlp's embed extractors number the
// videos of a page ("Title (1)"); a single item keeps the page's title as it stands.
QString titleFixArgument();

// At most `room` bytes of a file name's stem, cut by UTF-8 bytes and never inside a character:
// file names on Linux end at 255 bytes, and work names add a suffix and an extension.
QString fitStem(const QString &stem, int room);

} // namespace choice
