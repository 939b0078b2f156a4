#pragma once

// Shared helpers every part of Clipmoor uses: where files live, the speed-limit and subtitle
// tables, address rules, file helpers and small utilities. None keeps state of its own.

#include <QString>
#include <QStringList>

// --- Folders and files ----------------------------------------------------------------------
QString appDataDir(); // created on every request
QString taskListPath();
QString doneListPath();
QString historyListPath();
QString privateListPath();
QString convertingListPath();
QString convertedListPath();
QString logDir();     // created on every request
QString scriptsDir(); // created when missing
QString ffmpegPath();
QString ffprobePath();
QString imagesDir();
QString downloadTempDir(bool create);
QString convertTempDir(bool create);

// The folder of the running executable.
QString applicationDir();

// Where an external program is: beside our executable first, then on PATH. When it is found
// nowhere, the path beside the executable is returned so that errors name a sensible place.
QString findProgram(const QString &baseName);

// --- Tables ---------------------------------------------------------------------------------
QStringList speedLimitLabels();
QString speedLimitValue(const QString &label);
// kSpeedLimitedManual when set, else kSpeedLimited, else "Unlimited".
QString effectiveSpeedLimitLabel();
QStringList subtitleLanguageNames();
QString subtitleLanguageCode(const QString &name);

// --- Address rules --------------------------------------------------------------------------
bool isPlaylistUrl(const QString &url);
// A list without a clip of its own (a channel, an album): no clip-or-playlist question.
bool isPurePlaylistUrl(const QString &url);
bool isAudioOnlySite(const QString &url);
QString siteNameFromUrl(const QString &url);
bool isHttpUrl(const QString &text);
QStringList splitLines(const QString &text);

// --- Media ----------------------------------------------------------------------------------
bool isAudioFormat(const QString &name);

// --- Files and shell ------------------------------------------------------------------------
QString uniqueFilePath(const QString &fileName, const QString &folder);
void revealInFileManager(const QString &path);
// Deletion guards: paths of three characters or fewer (a root) are never removed.
bool removeFileSafely(const QString &path);
bool removeDirSafely(const QString &path);

// --- Other ----------------------------------------------------------------------------------
QString systemProxy();
int compareVersions(const QString &a, const QString &b);
QString randomId();
bool isAlternatePlatform();
bool isDarkMode();

// Runs a local event loop for the given time; events keep being processed meanwhile.
void waitEventLoop(int milliseconds);
