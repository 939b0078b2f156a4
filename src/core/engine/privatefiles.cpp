#include "core/engine/privatefiles.h"

#include "core/foundation/globals.h"
#include "core/foundation/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace privatefiles {

namespace {

QString pendingMarkPath()
{
    return QDir(appDataDir()).filePath(QStringLiteral("renaming.tag"));
}

bool pendingMarked = false; // what this process last wrote

} // namespace

bool renamePending()
{
    return QFileInfo::exists(pendingMarkPath());
}

void setRenamePending(bool pending)
{
    // Written once per burst of renames, removed once per save.
    if (pending == pendingMarked && pending == renamePending())
        return;
    pendingMarked = pending;
    if (!pending) {
        QFile::remove(pendingMarkPath());
        return;
    }
    QFile mark(pendingMarkPath());
    if (mark.open(QIODevice::WriteOnly))
        mark.flush();
}

bool isHiddenName(const QString &path)
{
    return QFileInfo(path).fileName().startsWith(QLatin1Char('.'));
}

QString twinPath(const QString &path)
{
    const QFileInfo file(path);
    QString name = file.fileName();
    if (name.isEmpty())
        return QString();
    if (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    else
        name.prepend(QLatin1Char('.'));
    return name.isEmpty() ? QString() : file.dir().filePath(name);
}

QString rename(const QString &path, bool hidden)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists())
        return QString();
    if (isHiddenName(path) == hidden)
        return path;
    const QString wanted = twinPath(path);
    if (wanted.isEmpty())
        return QString();
    const QString target = QFileInfo::exists(wanted)
                               ? uniqueFilePath(QFileInfo(wanted).fileName(), file.path())
                               : wanted;
    return QFile::rename(path, target) ? target : QString();
}

QString repairedPath(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QString twin = twinPath(path);
    return !twin.isEmpty() && QFileInfo::exists(twin) ? twin : path;
}

} // namespace privatefiles
