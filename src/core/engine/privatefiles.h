#pragma once

// Files of the private list are hidden the Linux way: by a name that starts with a dot. Hiding
// or showing a file is a rename within its folder; the record that names the file is updated
// with it and written afterwards, and a record left pointing at the name before such a rename
// (the program died in between) is repaired when the lists are read next.

#include <QString>

namespace privatefiles {

bool isHiddenName(const QString &path);
// The same file under its other name: "dir/.a.mp4" for "dir/a.mp4" and the reverse.
QString twinPath(const QString &path);
// Renames the file to its hidden or visible name (a free one, "a(1).mp4", when that is taken).
// Returns the file's path afterwards: the same path when it already had the wanted name, an
// empty text when the rename failed or there is no such file.
QString rename(const QString &path, bool hidden);
// A mark in the data folder, set before a rename and cleared once the lists were written after
// it: found set at start-up, it means the program died in between and the records need repair.
bool renamePending();
void setRenamePending(bool pending);

// The path a record should name: its own when that file exists or its twin does not, else the
// twin's.
QString repairedPath(const QString &path);

} // namespace privatefiles
