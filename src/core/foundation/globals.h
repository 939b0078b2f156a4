#pragma once

// Shared helpers every part of Clipmoor uses: the speed-limit and subtitle tables, file helpers
// and small utilities. None keeps state of its own.

#include <QString>
#include <QStringList>

#include <functional>

// --- Folders that follow the preferences ----------------------------------------------------
QString downloadTempDir(bool create);
QString convertTempDir(bool create);

// --- Tables ---------------------------------------------------------------------------------
QStringList speedLimitLabels();
QString speedLimitValue(const QString &label);
// kSpeedLimitedManual when set, else kSpeedLimited, else "Unlimited".
QString effectiveSpeedLimitLabel();
QStringList subtitleLanguageNames();
QString subtitleLanguageCode(const QString &name);

// --- Media ----------------------------------------------------------------------------------
bool isAudioFormat(const QString &name);

// --- Files and shell ------------------------------------------------------------------------
QString uniqueFilePath(const QString &fileName, const QString &folder);
// Shows the file in the desktop's file manager; `done` learns whether one could (see platform.h).
void revealInFileManager(const QString &path, std::function<void(bool shown)> done = {});
// Deletion guards: paths of three characters or fewer (a root) are never removed.
bool removeFileSafely(const QString &path);
bool removeDirSafely(const QString &path);
// Owner-only modes for what Clipmoor keeps of a private job (and its working folders): a folder
// is created when missing and set to 0700; a file is set to 0600. Both return whether the mode is
// set.
bool makeOwnerOnlyFolder(const QString &path);
bool makeOwnerOnlyFile(const QString &path);
// A file back to the mode a new file gets (0666 less the process's umask), for a job that leaves
// the private list.
bool makeSharedFile(const QString &path);

// --- Other ----------------------------------------------------------------------------------
QString systemProxy();
int compareVersions(const QString &a, const QString &b);
QString randomId();
bool isAlternatePlatform();
bool isDarkMode();
