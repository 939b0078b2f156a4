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
QString logDir();     // created on every request
QString scriptsDir(); // created when missing
QString ffmpegPath();
QString ffprobePath();
QString imagesDir();

// The folder of the running executable.
QString applicationDir();

// Where an external program is: beside our executable first, then on PATH. When it is found
// nowhere, the path beside the executable is returned so that errors name a sensible place.
QString findProgram(const QString &baseName);
