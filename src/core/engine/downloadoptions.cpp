#include "core/engine/downloadoptions.h"

namespace {

const QString kMediaType = QStringLiteral("media_type");
const QString kIsFromPlaylist = QStringLiteral("isFromPlaylist");
const QString kAddPlaylistIndex = QStringLiteral("add_playlist_index");
const QString kSkipDownloaded = QStringLiteral("SkipDownloaded");
const QString kPlaylistOrderMode = QStringLiteral("playlistOrderMode");
const QString kVideoQuality = QStringLiteral("video_quality");
const QString kAudioQuality = QStringLiteral("audio_quality");
const QString kMetadata = QStringLiteral("metadata");
const QString kFirstEntryOnly = QStringLiteral("first_entry_only");
// Set by creators whose jobs send no usage events.
const QString kNoUsageEvents = QStringLiteral("fromPlaylist");

const QString kTrue = QStringLiteral("true");
const QString kFalse = QStringLiteral("false");

bool isOwnKey(const QString &key)
{
    for (const QString *own :
         {&kMediaType, &kIsFromPlaylist, &kAddPlaylistIndex, &kSkipDownloaded, &kPlaylistOrderMode,
          &kVideoQuality, &kAudioQuality, &kMetadata, &kFirstEntryOnly}) {
        if (key == *own)
            return true;
    }
    return false;
}

} // namespace

bool DownloadOptions::sendsUsageEvents() const
{
    return other.value(kNoUsageEvents).isEmpty();
}

void DownloadOptions::forEachEntry(
    const std::function<void(const QString &, const QString &)> &visit) const
{
    const auto text = [&visit](const QString &key, const QString &value) {
        if (!value.isNull())
            visit(key, value);
    };
    text(kMediaType, mediaType);
    if (fromPlaylist)
        visit(kIsFromPlaylist, kTrue);
    // The playlist dialog always gives both switches; other creators give them only when on.
    if (fromPlaylist || addPlaylistIndex)
        visit(kAddPlaylistIndex, addPlaylistIndex ? kTrue : kFalse);
    if (fromPlaylist || skipDownloaded)
        visit(kSkipDownloaded, skipDownloaded ? kTrue : kFalse);
    text(kPlaylistOrderMode, playlistOrderMode);
    text(kVideoQuality, videoQuality);
    text(kAudioQuality, audioQuality);
    if (metadata)
        visit(kMetadata, *metadata);
    if (firstEntryOnly)
        visit(kFirstEntryOnly, kTrue);
    for (auto it = other.cbegin(); it != other.cend(); ++it) {
        if (!isOwnKey(it.key()))
            visit(it.key(), it.value());
    }
}

QMap<QString, QString> DownloadOptions::toMap() const
{
    QMap<QString, QString> map;
    forEachEntry([&map](const QString &key, const QString &value) { map.insert(key, value); });
    return map;
}

DownloadOptions DownloadOptions::fromMap(const QMap<QString, QString> &map)
{
    DownloadOptions o;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        o.assign(it.key(), it.value());
    return o;
}

void DownloadOptions::assign(const QString &key, const QString &value)
{
    if (key == kMediaType)
        mediaType = value;
    else if (key == kIsFromPlaylist)
        fromPlaylist = value == kTrue;
    else if (key == kAddPlaylistIndex)
        addPlaylistIndex = value == kTrue;
    else if (key == kSkipDownloaded)
        skipDownloaded = value == kTrue;
    else if (key == kPlaylistOrderMode)
        playlistOrderMode = value;
    else if (key == kVideoQuality)
        videoQuality = value;
    else if (key == kAudioQuality)
        audioQuality = value;
    else if (key == kMetadata)
        metadata = value;
    else if (key == kFirstEntryOnly)
        firstEntryOnly = value == kTrue;
    else
        other.insert(key, value);
}

bool DownloadOptions::isBlank() const
{
    return mediaType.isNull() && !fromPlaylist && !addPlaylistIndex && !skipDownloaded &&
           playlistOrderMode.isNull() && videoQuality.isNull() && audioQuality.isNull() &&
           !metadata && !firstEntryOnly && cookies.isEmpty() && other.isEmpty();
}

bool DownloadOptions::operator==(const DownloadOptions &o) const
{
    return mediaType == o.mediaType && fromPlaylist == o.fromPlaylist &&
           addPlaylistIndex == o.addPlaylistIndex && skipDownloaded == o.skipDownloaded &&
           playlistOrderMode == o.playlistOrderMode && videoQuality == o.videoQuality &&
           audioQuality == o.audioQuality && metadata == o.metadata &&
           firstEntryOnly == o.firstEntryOnly && other == o.other;
}
