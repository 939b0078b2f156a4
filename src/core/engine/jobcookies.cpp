#include "core/engine/jobcookies.h"

#include "core/foundation/applog.h"
#include "core/foundation/globals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace jobcookies {

QString path(const QString &workDir)
{
    return workDir + QStringLiteral("/cookies.txt");
}

bool write(const QString &workDir, const QByteArray &text)
{
    makeOwnerOnlyFolder(workDir); // the job's folder is the user's only
    QSaveFile file(path(workDir));
    // Owner-only before the first byte is in it.
    const bool ok = file.open(QIODevice::WriteOnly) &&
                    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                    file.write(text) == text.size() && file.commit();
    if (!ok)
        writeLog(QStringLiteral("[SniffMgr]"), QStringLiteral("cannot write the cookie file of %1")
                                                   .arg(QFileInfo(workDir).fileName()));
    return ok;
}

bool exists(const QString &workDir)
{
    return QFileInfo::exists(path(workDir));
}

void remove(const QString &workDir)
{
    QFile::remove(path(workDir));
}

} // namespace jobcookies
