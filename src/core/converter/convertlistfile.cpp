#include "core/converter/convertlistfile.h"

#include "core/foundation/applog.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace convertlist {

namespace {
const char kTag[] = "[ConvertDataManager]";
}

QByteArray serialize(const QList<const ConvMediaInfo *> &records)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << qint32(records.size());
    for (const ConvMediaInfo *info : records)
        stream << *info;
    return bytes;
}

bool save(const QString &path, const QList<const ConvMediaInfo *> &records)
{
    const QByteArray bytes = serialize(records);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        writeLog(QLatin1String(kTag),
                 QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        file.cancelWriting();
        return false;
    }
    return true;
}

QList<ConvMediaInfo> load(const QString &path)
{
    QList<ConvMediaInfo> records;
    const QString marker = path + ".tag";
    if (QFileInfo::exists(marker)) {
        writeLog(
            QLatin1String(kTag),
            QStringLiteral("reading %1 did not finish last time; the list is discarded").arg(path));
        QFile::remove(marker);
        QFile::remove(path);
        return records;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return records;
    QFile guard(marker);
    guard.open(QIODevice::WriteOnly);
    guard.close();

    QDataStream stream(&file);
    qint32 count = 0;
    stream >> count;
    for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        ConvMediaInfo info;
        stream >> info;
        if (stream.status() != QDataStream::Ok) {
            writeLog(
                QLatin1String(kTag),
                QStringLiteral("%1 is damaged after %2 records").arg(path).arg(records.size()));
            break;
        }
        records << info;
    }
    file.close();
    QFile::remove(marker);
    return records;
}

} // namespace convertlist
