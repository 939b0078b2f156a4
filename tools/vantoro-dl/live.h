#pragma once

// Live streams: telling one from a recording (an HLS playlist still being written has no
// "#EXT-X-ENDLIST"), and recording it with ffmpeg into Matroska until it ends or the tool is
// interrupted (SIGINT finishes the file properly).

#include "context.h"

#include <QJsonObject>
#include <QString>

namespace live {

// A plain media file (or playlist) address: its name is its title.
bool isDirectMedia(const QString &url);

// The stream described by yt-dlp's info is live: yt-dlp says so, or its HLS playlist is still
// being written (as yt-dlp found it, else one small request).
bool isLive(const Context &ctx, const QJsonObject &info);
bool isLiveHls(const Context &ctx, const QString &url);

// Records the stream into `target`; prints the "downloading" and "finished" lines.
int record(const Context &ctx, const QString &streamUrl, const QString &target);

} // namespace live
