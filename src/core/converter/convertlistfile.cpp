#include "core/converter/convertlistfile.h"

#include "core/foundation/applog.h"
#include "core/foundation/listfile.h"

#include <QDataStream>

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

safesave::Outcome save(const QString &path, const QList<const ConvMediaInfo *> &records)
{
    return write(path, serialize(records));
}

safesave::Outcome write(const QString &path, const QByteArray &serialized)
{
    return listfile::writeAtomically(path, serialized, QLatin1String(kTag));
}

QList<ConvMediaInfo> read(QIODevice *device)
{
    QList<ConvMediaInfo> records;
    QDataStream stream(device);
    qint32 count = 0;
    stream >> count;
    for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        ConvMediaInfo info;
        stream >> info;
        if (stream.status() != QDataStream::Ok) {
            writeLog(QLatin1String(kTag),
                     QStringLiteral("list damaged after %1 records").arg(records.size()));
            break;
        }
        records << info;
    }
    return records;
}

QList<ConvMediaInfo> load(const QString &path)
{
    QList<ConvMediaInfo> records;
    listfile::removeStaleSaveFiles(path);
    listfile::guardedRead(path, QLatin1String(kTag),
                          [&records](QIODevice *device) { records = read(device); });
    return records;
}

} // namespace convertlist
