#pragma once

#include <QString>

// Opens "AppLog.log" in the log folder. Safe to call more than once; writeLog opens it on first
// use when nobody did. When the file cannot be opened, lines go to standard error instead.
void initLogging();

// One information-level line: the tag, a blank, the message.
void writeLog(const QString &tag, const QString &message = QString());

// The time of day with milliseconds, for lines that time a step ("hh:mm:ss.zzz").
QString logClock();
// Makes sure every line written so far is on disk.
void flushLog();

// Keeps at most the 99 newest entries of the log folder.
void pruneLogDir();
