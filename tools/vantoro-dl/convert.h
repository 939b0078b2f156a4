#pragma once

// Converting a media file with ffmpeg, driven by a preset (OneClickedType/<target>.json).
//
// ffmpeg starts at once with arguments that hold for any source; ffprobe looks at the source
// alongside. Only when what it finds calls for other arguments (a stream that can be copied, the
// source's own audio bit rate, a source without video) is ffmpeg started again with those. The
// result is written under a hidden temporary name in the output folder and renamed only once
// complete; the source is never touched (unless it is a download being replaced).

#include "context.h"
#include "describe.h"

#include <QJsonObject>
#include <QString>

#include <functional>

namespace convert {

struct Request
{
    QString ffmpeg;
    QString ffprobe;
    QString input;
    QString preset;     // path of the preset file
    QString saveDir;    // where the result goes
    QString resolution; // "origin", empty, or "WIDTHxHEIGHT": HEIGHT lines, width by aspect
    QString bitRate;    // "origin", empty, or like "320K"
    bool mute = false;
    bool replaceInput = false; // remove the input once the result is complete
};

struct Outcome
{
    int code = 0; // out::Code
    QString error;
    QString outputPath;
    media::Info info;
};

Outcome run(const Request &request, const std::function<void(double)> &progress);

// "converter" with an "input" file: the conversion-only mode.
int runMode(const Context &ctx, params::Reader &reader, const QJsonObject &root);

} // namespace convert
