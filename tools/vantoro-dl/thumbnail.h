#pragma once

// Thumbnails for an analysis without download: yt-dlp's picture address when it has one,
// otherwise a frame grabbed by ffmpeg from the media address, at low priority. Grabbed frames
// are kept in the user's cache folder. (A download reports the site's picture only: the
// application makes a picture of a saved file itself, when it first shows it.)

#include <QString>

namespace thumbnail {

// Where the frame for `key` (the address) is kept: in `folder` when one is given (the
// application's private folder for a private job), else in the user's cache folder. The cache
// folder is the user's only (0700) and so is every frame (0600).
QString cachePath(const QString &key, const QString &folder = QString());

// A frame of a media address over the network (analysis without download).
QString fromAddress(const QString &ffmpeg, const QString &url, const QString &key,
                    const QString &folder = QString());

} // namespace thumbnail
