#pragma once

// Where Clipmoor's own files live and where the external programs are found.

#include <QString>

QString appDataDir(); // created on every request
QString taskListPath();
QString doneListPath();
QString historyListPath();
QString privateListPath();
QString convertingListPath();
QString convertedListPath();
QString logDir(); // created on every request
// Pictures made of local files (the application's cache folder, readable by the user only),
// created when missing.
QString thumbnailCacheDir();
// The picture of a local file in that folder, named by a hash of the file's absolute path, size
// and modification time, so two files of one name never share a picture and a changed file gets
// a new one. Empty when the file does not exist.
QString cachedThumbnailPath(const QString &sourcePath);
// The private list's own files (thumbnails of private jobs): owner-only, created on every request.
QString privateDir();
QString scriptsDir(); // created when missing
QString ffmpegPath();
QString ffprobePath();
QString imagesDir();

// The folder of the running executable.
QString applicationDir();

// Our own files, found relative to the executable so that the build tree and an installed tree
// (wherever it was moved) both work. Beside the executable first (the build tree gathers
// everything in build/bin), then, for an executable installed as <prefix>/bin/clipmoor, helper
// programs in <prefix>/lib/clipmoor and data in <prefix>/share/clipmoor. When a file is in
// neither place the path beside the executable is returned, so that errors name a sensible place.
QString helperPath(const QString &fileName); // "vantoro-dl"
QString
resourcePath(const QString &relative); // "qss/QMenu.qss", "images", "OneClickedType/MP4.json"

// Where an external program is: one of our helpers (above) first, then on PATH. When it is found
// nowhere, the path beside the executable is returned.
QString findProgram(const QString &baseName);
