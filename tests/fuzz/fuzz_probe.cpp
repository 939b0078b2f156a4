// What programs report about a media file whose metadata anyone may have written: ffprobe's JSON
// as the application reads it (a saved download, a file added to the converter) and as the
// download tool reads it, yt-dlp's info of a page, and ffmpeg's banner, line by line. Every
// reading gives facts a row can show: no negative or endless length, size or picture.
#include "core/converter/loadfileoperator.h"
#include "core/engine/mediaprobe.h"
#include "describe.h"
#include "fuzzing.h"

#include <QJsonDocument>

#include <cmath>

namespace {
void check(bool fine)
{
    if (!fine)
        std::abort();
}

void checkInfo(const media::Info &info)
{
    check(std::isfinite(info.duration) && info.duration >= 0);
    check(info.width >= 0 && info.height >= 0 && info.size >= 0 && info.bitRate >= 0);
    media::describe(info, QStringLiteral("/nonexistent/clip.mp4"));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::prepare();
    const QByteArray input = fuzzing::bytes(data, size);
    const QString path = QStringLiteral("/nonexistent/clip.mp4");

    const ProbedMedia saved = parseProbe(input, path);
    check(saved.duration >= 0 && saved.size >= 0 && saved.width >= 0 && saved.height >= 0);

    const probe::Parsed added = probe::parse(input, path);
    check(std::isfinite(added.info.duration) && added.info.duration >= 0);
    added.info.durationText();
    added.info.sizeText();
    added.info.qualityText();
    added.info.typeText();

    checkInfo(media::parseProbe(input, path));
    checkInfo(media::fromYtdlp(QJsonDocument::fromJson(input).object()));
    media::Banner banner;
    for (const QByteArray &line : input.split('\n'))
        banner.feed(line);
    checkInfo(banner.input);
    checkInfo(banner.output);
    media::Info merged = banner.output;
    media::complete(&merged, banner.input);
    checkInfo(merged);
    return 0;
}
