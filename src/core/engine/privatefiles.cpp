#include "core/engine/privatefiles.h"

#include "core/foundation/globals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace privatefiles {

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
