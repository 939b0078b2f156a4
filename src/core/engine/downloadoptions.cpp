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
// Set by creators whose jobs send no usage events.
const QString kNoUsageEvents = QStringLiteral("fromPlaylist");

const QString kTrue = QStringLiteral("true");
const QString kFalse = QStringLiteral("false");

void putText(QMap<QString, QString> &map, const QString &key, const QString &value)
{
    if (!value.isNull())
        map.insert(key, value);
}

} // namespace

bool DownloadOptions::sendsUsageEvents() const
{
    return other.value(kNoUsageEvents).isEmpty();
}

QMap<QString, QString> DownloadOptions::toMap() const
{
    QMap<QString, QString> map = other;
    putText(map, kMediaType, mediaType);
    if (fromPlaylist)
        map.insert(kIsFromPlaylist, kTrue);
    // The playlist dialog always gives both switches; other creators give them only when on.
    if (fromPlaylist || addPlaylistIndex)
        map.insert(kAddPlaylistIndex, addPlaylistIndex ? kTrue : kFalse);
    if (fromPlaylist || skipDownloaded)
        map.insert(kSkipDownloaded, skipDownloaded ? kTrue : kFalse);
    putText(map, kPlaylistOrderMode, playlistOrderMode);
    putText(map, kVideoQuality, videoQuality);
    putText(map, kAudioQuality, audioQuality);
    if (metadata)
        map.insert(kMetadata, *metadata);
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
    else
        other.insert(key, value);
}

bool DownloadOptions::operator==(const DownloadOptions &o) const
{
    return mediaType == o.mediaType && fromPlaylist == o.fromPlaylist &&
           addPlaylistIndex == o.addPlaylistIndex && skipDownloaded == o.skipDownloaded &&
           playlistOrderMode == o.playlistOrderMode && videoQuality == o.videoQuality &&
           audioQuality == o.audioQuality && metadata == o.metadata && other == o.other;
}
