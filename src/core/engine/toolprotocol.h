#pragma once

// The parameter files the engine hands the download tool: the download job's, the playlist
// listing's and the analysis's. What the tool prints back is read by core/protocol.

#include <QString>

struct DownloadOptions;

namespace protocol {

// Seconds without a byte after which a transfer counts as stalled: the tool tries again after so
// long ("stall_timeout"), and the engine's own watch of the progress lines uses the same time.
constexpr int kStallSeconds = 30;

// --- Parameter files --------------------------------------------------------------------------
// The download job's file, workDir + "/param.json"; returns its path.
QString writeDownloadParams(const QString &url, const DownloadOptions &options,
                            const QString &workDir);
// The playlist-listing file, named `fileName`, in the download folder's hidden ".temp" folder.
QString writePlaylistParams(const QString &url, const QString &fileName);
// The analyse-only file, named `fileName`, in the job's working folder.
// `pictureFolder`, when given, is where the tool puts a picture it makes (a private job's go to
// the private folder rather than the tool's shared cache).
QString writeThumbParams(const QString &url, const QString &workDir, const QString &fileName,
                         const QString &pictureFolder = QString());

// The preset file for a download-then-convert target ("" when no conversion is wanted).
QString presetPathFor(const QString &url, const QString &mediaTypeParam);
// True when the job fetches audio only.
bool isAudioJob(const QString &url, const QString &mediaTypeParam);

} // namespace protocol
