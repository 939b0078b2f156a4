#include "core/provision/fileassitant.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QThreadPool>

FileAssitant::FileAssitant(QObject *parent)
    : QObject(parent)
    , cancelled(std::make_shared<std::atomic_bool>(false))
{
}

FileAssitant::~FileAssitant()
{
    cancelled->store(true);
}

void FileAssitant::hash(const QString &path, int kind)
{
    QPointer<FileAssitant> self(this);
    auto flag = cancelled;
    QThreadPool::globalInstance()->start([self, flag, path, kind] {
        QCryptographicHash hasher(kind == Sha1 ? QCryptographicHash::Sha1
                                               : QCryptographicHash::Md5);
        QFile file(path);
        QString digest;
        if (file.open(QIODevice::ReadOnly)) {
            while (!flag->load()) {
                const QByteArray chunk = file.read(10240);
                if (chunk.isEmpty())
                    break;
                hasher.addData(chunk);
            }
            digest = QString::fromLatin1(hasher.result().toHex());
        }
        if (flag->load())
            return;
        // Back to the GUI thread; the object may be gone by then.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, digest] {
                if (self)
                    Q_EMIT self->hashFinised(digest);
            },
            Qt::QueuedConnection);
    });
}

void FileAssitant::removeStaleEntries(const QString &folder, QDir::Filters kinds,
                                      const QString &inUse)
{
    for (const QFileInfo &entry : QDir(folder).entryInfoList(kinds | QDir::NoDotAndDotDot)) {
        if (entry.fileName().endsWith(QLatin1String(".zip")) || !inUse.contains(entry.fileName()))
            remove(entry.absoluteFilePath());
    }
}

void FileAssitant::remove(const QString &path)
{
    const QFileInfo info(path);
    if (path.length() <= 3 || (!info.isFile() && !info.isDir()))
        return;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yymmsszzz"));
    QString renamed;
    if (info.isFile()) {
        const int dot = path.lastIndexOf(QLatin1Char('.'));
        renamed = dot > path.lastIndexOf(QLatin1Char('/')) ? QString(path).insert(dot, stamp)
                                                           : path + stamp;
        if (!QFile::rename(path, renamed))
            return;
        QThreadPool::globalInstance()->start([renamed] { QFile::remove(renamed); });
    } else {
        renamed = path + stamp;
        if (!QDir().rename(path, renamed))
            return;
        QThreadPool::globalInstance()->start([renamed] { QDir(renamed).removeRecursively(); });
    }
}
