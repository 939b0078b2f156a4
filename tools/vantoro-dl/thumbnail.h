#pragma once

// Thumbnails: yt-dlp's picture address when it has one; otherwise a frame grabbed by ffmpeg,
// after the download from the saved file and at low priority. Grabbed frames are kept in the
// user's cache folder: the job's own folder is removed by the application as soon as the file is
// moved out of it.

#include "describe.h"

#include <QString>

namespace thumbnail {

// Where the frame for `key` (the address) is kept: in `folder` when one is given (the
// application's private folder for a private job), else in the user's cache folder. The cache
// folder is the user's only (0700) and so is every frame (0600).
QString cachePath(const QString &key, const QString &folder = QString());

struct Look
{
    QString picture;  // the grabbed frame, empty when there is none
    media::Info info; // ffmpeg's report of the file it read
};

// Reads a saved file with ffmpeg, grabbing a frame when `wantPicture`; ffmpeg's report of the
// file comes with it either way.
Look fromFile(const QString &ffmpeg, const QString &file, const QString &key, bool wantPicture,
              double durationHint);

// A frame of a media address over the network (analysis without download).
QString fromAddress(const QString &ffmpeg, const QString &url, const QString &key,
                    const QString &folder = QString());

} // namespace thumbnail
