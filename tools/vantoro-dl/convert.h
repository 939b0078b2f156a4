#pragma once

// Converting a media file with ffmpeg, driven by a preset (OneClickedType/<target>.json).
//
// ffmpeg's own report of its input gives what the progress needs; ffprobe looks at the source
// first only when the source decides the arguments (a stream that may be copied as it is, the
// source's own audio bit rate) and nobody said what the source holds. The result is written under a
// hidden temporary name in the output folder and renamed only once complete; the source is never
// touched (unless it is a download being replaced).

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
    QString preset;      // path of the preset file
    QString saveDir;     // where the result goes
    QString resolution;  // "origin", empty, or "WIDTHxHEIGHT": HEIGHT lines, width by aspect
    bool enlarge = true; // false: the resolution is a ceiling, a smaller picture keeps its size
    QString bitRate;     // "origin", empty, or like "320K"
    bool mute = false;
    bool replaceInput = false; // remove the input once the result is complete
    // What is known of the input already (the application's probe, or the file's own header
    // after a download): no probe is run then. Null: probed when the input decides the
    // arguments.
    const media::Info *source = nullptr;
    double duration = 0; // seconds of the input when known, for the progress
};

struct Outcome
{
    int code = 0; // out::Code
    QString error;
    QString outputPath;
    media::Info info;
};

Outcome run(const Request &request, const std::function<void(double)> &progress);

// Prints a "converting" line (with the tool's "pid", which the application stops as a tree).
void reportProgress(double progress);

// "converter" with an "input" file: the conversion-only mode.
int runMode(const Context &ctx, params::Reader &reader, const QJsonObject &root);

} // namespace convert
