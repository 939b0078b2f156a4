#pragma once

// What the pages do with a downloaded file: check that it is still there, open it.

#include <QString>

// True when the file exists. Otherwise tells the user; with offerRemoval the user may choose
// "Delete" (removalChosen is set accordingly).
bool checkFileExists(const QString &path, bool offerRemoval = false, bool *removalChosen = nullptr);
// Opens the file with the desktop's application for it; says so when there is none.
void openLocalFile(const QString &path);
// Shows the file (or folder) in the desktop's file manager; says so when none could.
void showInFileManager(const QString &path);
// True when the download folder is there. Otherwise tells the user, who is to be taken to the
// preferences next.
bool downloadDirExists();
