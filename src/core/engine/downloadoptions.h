#pragma once

// The options of one download job, chosen by whoever created it (the playlist dialog, the
// browser, the downloading page). They live as this struct; the string map is only the form
// they take in the list files.

#include <QByteArray>
#include <QMap>
#include <QString>

#include <functional>
#include <optional>

struct DownloadOptions
{
    // "audio" or "video"; empty lets the preferences and the address decide.
    QString mediaType;
    // The job is an entry of a playlist the user chose in the playlist dialog: the qualities
    // below apply instead of the preferences.
    bool fromPlaylist = false;
    // Number the file names by the entries' places in the playlist, in playlistOrderMode order.
    bool addPlaylistIndex = false;
    // The playlist dialog's "skip entries already downloaded".
    bool skipDownloaded = false;
    QString playlistOrderMode; // "Newest first" or "Oldest first"
    QString videoQuality;      // "1080P", "Best", ... (playlist entries)
    QString audioQuality;      // "320Kb/s", "Best", ... (playlist entries)
    // What the browser's page scripts knew about the clip, passed on to the tool as it came.
    std::optional<QString> metadata;
    // The address is a page with several videos and the user wanted the first one only.
    bool firstEntryOnly = false;
    // The page site's cookies for a browser download, a Netscape cookie file's text. In memory
    // only, until the job writes them into its working folder (jobcookies): never in the list
    // files, and not part of the comparison below.
    QByteArray cookies;
    // Keys this version does not know, kept so that a list file keeps them.
    QMap<QString, QString> other;

    // Nothing chosen: what a job made with the defaults holds (no text set, not even an empty
    // one, which a list file keeps apart from none).
    bool isBlank() const;
    static bool blank(const DownloadOptions &o) { return o.isBlank(); }

    // A job made by a creator that asked for no usage events.
    bool sendsUsageEvents() const;

    // The list-file form: the keys "media_type", "isFromPlaylist", "add_playlist_index",
    // "SkipDownloaded", "playlistOrderMode", "video_quality", "audio_quality", "metadata",
    // "first_entry_only".
    QMap<QString, QString> toMap() const;
    // The same entries one by one, in no particular order.
    void forEachEntry(const std::function<void(const QString &, const QString &)> &visit) const;
    static DownloadOptions fromMap(const QMap<QString, QString> &map);
    // One entry of the list-file form (a later entry of the same key wins).
    void assign(const QString &key, const QString &value);

    bool operator==(const DownloadOptions &o) const;
    bool operator!=(const DownloadOptions &o) const { return !(*this == o); }
};
