#include "core/foundation/listfile.h"

#include "core/foundation/applog.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>
#include <QMutex>
#include <QRegularExpression>

namespace listfile {

namespace {
QMutex setAsideMutex;
QStringList setAside;
} // namespace

void writeByteArrayVariant(QDataStream &stream, const QByteArray &bytes)
{
    // A variant's type id, its null flag (never set for a byte array) and the value.
    stream << quint32(QMetaType::QByteArray) << qint8(0) << bytes;
}

bool readByteArrayVariant(QDataStream &stream, QByteArray *bytes)
{
    bytes->clear();
    quint32 type = 0;
    qint8 isNull = 0;
    stream >> type >> isNull;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (type != QMetaType::QByteArray) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    // Read in steps by QDataStream: a damaged length cannot reserve more than the data present.
    stream >> *bytes;
    if (stream.status() != QDataStream::Ok) {
        bytes->clear();
        return false;
    }
    return true;
}

safesave::Outcome writeAtomically(const QString &path, const QByteArray &bytes,
                                  const QString &logTag)
{
    // Jobs from the browser carry the page's cookie in their options: readable by the user only.
    return safesave::write(path, bytes, logTag);
}

QString crashedPath(const QString &path)
{
    return path + QStringLiteral(".crashed");
}

bool guardedRead(const QString &path, const QString &logTag,
                 const std::function<void(QIODevice *)> &read)
{
    const QString marker = path + QStringLiteral(".tag");
    if (QFileInfo::exists(marker)) {
        // Reading this file did not finish last time (the application was killed or crashed
        // meanwhile). The file is probably fine, but it is not read again: it is kept aside.
        const QString aside = crashedPath(path);
        if (QFileInfo::exists(path)) {
            QFile::remove(aside);
            if (!QFile::rename(path, aside))
                QFile::remove(path);
            writeLog(logTag, QStringLiteral("reading %1 did not finish last time; it is kept as %2")
                                 .arg(path, aside));
            QMutexLocker lock(&setAsideMutex);
            setAside << aside;
        }
        QFile::remove(marker);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QBuffer empty;
        empty.open(QIODevice::ReadOnly);
        read(&empty);
        return true;
    }
    QFile guard(marker);
    guard.open(QIODevice::WriteOnly);
    guard.close();
    read(&file);
    file.close();
    QFile::remove(marker);
    return true;
}

QStringList takeSetAsideFiles()
{
    QMutexLocker lock(&setAsideMutex);
    QStringList files;
    files.swap(setAside);
    return files;
}

void removeStaleSaveFiles(const QString &path)
{
    const QFileInfo info(path);
    // QSaveFile writes into "NAME.XXXXXX" beside the file and renames it on commit.
    const QRegularExpression temporary(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(info.fileName())));
    const QStringList names =
        info.absoluteDir().entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files);
    for (const QString &name : names) {
        if (temporary.match(name).hasMatch()) {
            writeLog(QStringLiteral("[ListFile]"),
                     QStringLiteral("removing %1 left by an interrupted save").arg(name));
            QFile::remove(info.absoluteDir().filePath(name));
        }
    }
}

} // namespace listfile
