#pragma once

// One choice of output format, as the format chooser stores it, and the conversion parameter
// file the download tool receives for it.

#include <QJsonObject>
#include <QString>

struct ConvertInfo
{
    QString formatName;   // "MP4", "HEVC MKV", "iPhone/iPod", "MP3", ...
    QString resolution;   // video: "Origin", "2160P", ..., "240P"
    QString audioBitRate; // audio: "320Kb/s", ..., or "Origin"
    bool isMute = false;  // video: drop the audio track
    int isVideo = 1;      // 1 video target, 0 audio target

    bool operator==(const ConvertInfo &o) const
    {
        return formatName == o.formatName && resolution == o.resolution &&
               audioBitRate == o.audioBitRate && isMute == o.isMute && isVideo == o.isVideo;
    }
};

namespace convertparams {

// The preset file of a target: the resource "OneClickedType/<name>.json" (see resourcePath) with
// "/iPod" removed from the name.
QString convertJsonPath(const QString &formatName);
// "WIDTHxHEIGHT" for a resolution label ("480P" gives "720x480"): the tool makes a picture
// HEIGHT lines tall with the source's aspect ratio. "Origin" (and anything unknown without a
// "P") gives "origin"; an unknown label with a "P" gives "".
QString resolutionFor(const QString &label);
// The whole parameter file of a conversion-only run.
QJsonObject build(const ConvertInfo &info, const QString &input, const QString &workDir);

} // namespace convertparams
