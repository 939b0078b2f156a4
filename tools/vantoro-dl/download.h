#pragma once

// The download mode: one yt-dlp run analyses the address, prints what it found (the "sniff"
// line comes from it), downloads with progress and reports the saved file. A live stream found
// on the way is recorded by ffmpeg instead; a conversion may follow.

#include "context.h"

#include <QJsonObject>

namespace download {

int run(Context &ctx, params::Reader &reader, const QJsonObject &root);

} // namespace download
