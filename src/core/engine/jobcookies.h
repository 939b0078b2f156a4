#pragma once

// The cookies a browser download takes with it: a Netscape cookie file in the job's working
// folder, readable by the user only, written when the job is made and named in its parameter
// file. They are never kept in the list files, the metadata or the log.

#include <QByteArray>
#include <QString>

namespace jobcookies {

// workDir + "/cookies.txt".
QString path(const QString &workDir);
// Writes `text` there (mode 0600, the folder made when missing); false when it could not.
bool write(const QString &workDir, const QByteArray &text);
bool exists(const QString &workDir);
void remove(const QString &workDir);

} // namespace jobcookies
