#include "core/converter/convmediainfo.h"

#include "core/protocol/displaytext.h"
#include "core/protocol/toolline.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFileInfo>
#include <QIODevice>

#include <cmath>

namespace {

QString unknown()
{
    return QCoreApplication::translate("ConvMediaInfo", "Unknown");
}

// A string as QDataStream stores it, read only when its announced length fits into what is left
// of the data.
void readBoundedString(QDataStream &stream, QString *out)
{
    if (stream.status() != QDataStream::Ok)
        return;
    QIODevice *device = stream.device();
    if (device && !device->isSequential()) {
        const QByteArray head = device->peek(4);
        if (head.size() == 4) {
            const quint32 length = (quint32(quint8(head[0])) << 24) |
                                   (quint32(quint8(head[1])) << 16) |
                                   (quint32(quint8(head[2])) << 8) | quint32(quint8(head[3]));
            const qint64 left = device->bytesAvailable() - 4;
            if (length != 0xFFFFFFFFu && (length % 2 != 0 || qint64(length) > left)) {
                stream.setStatus(QDataStream::ReadCorruptData);
                return;
            }
        }
    }
    stream >> *out;
}

} // namespace

ConvMediaInfo::ConvMediaInfo(QObject *parent)
    : QObject(parent)
{
}

ConvMediaInfo::ConvMediaInfo(const ConvMediaInfo &other)
    : QObject(nullptr)
{
    *this = other;
}

ConvMediaInfo &ConvMediaInfo::operator=(const ConvMediaInfo &other)
{
    sourcePath = other.sourcePath;
    outputPath = other.outputPath;
    thumbnailPath = other.thumbnailPath;
    fileSize = other.fileSize;
    duration = other.duration;
    bitRate = other.bitRate;
    width = other.width;
    height = other.height;
    mediaType = other.mediaType;
    probe = other.probe;
    return *this;
}

bool ConvMediaInfo::operator==(const ConvMediaInfo &o) const
{
    return sourcePath == o.sourcePath && outputPath == o.outputPath &&
           thumbnailPath == o.thumbnailPath && fileSize == o.fileSize && duration == o.duration &&
           bitRate == o.bitRate && width == o.width && height == o.height &&
           mediaType == o.mediaType;
}

void ConvMediaInfo::setToolResult(const protocol::Result &result)
{
    const double seconds = result.duration;
    duration = std::isfinite(seconds) && seconds > 0 ? seconds : 0;
    fileSize = qMax<qint64>(0, result.fileSize);
    QString quality = result.quality;
    bitRate = qMax(0, quality.remove(QLatin1String("Kb/s")).toInt(nullptr, 10)) * 1000;
    width = height = 0;
    const QString resolution = result.resolution;
    if (!resolution.isEmpty()) {
        const QStringList parts = resolution.split(QLatin1Char('x'));
        if (parts.size() == 2) {
            width = parts.at(0).toInt();
            height = parts.at(1).toInt();
        }
    }
}

QString ConvMediaInfo::displayName() const
{
    if (!outputPath.isEmpty())
        return QFileInfo(outputPath).fileName();
    if (!sourcePath.isEmpty())
        return QFileInfo(sourcePath).fileName();
    return unknown();
}

QString ConvMediaInfo::typeText() const
{
    if (!outputPath.isEmpty())
        return QFileInfo(outputPath).suffix().toUpper();
    if (!sourcePath.isEmpty())
        return QFileInfo(sourcePath).suffix().toUpper();
    return unknown();
}

QString ConvMediaInfo::durationText() const
{
    const qint64 seconds = duration > 0 && duration < 1e12 ? qint64(duration) : 0;
    return seconds == 0 ? unknown() : protocol::formatDuration(seconds);
}

QString ConvMediaInfo::sizeText() const
{
    return fileSize == 0 ? unknown() : protocol::formatSize(fileSize);
}

QString ConvMediaInfo::qualityText() const
{
    if (mediaType != Audio)
        return QStringLiteral("%1x%2").arg(width).arg(height);
    if (bitRate == 0)
        return unknown();
    return QString::asprintf("%dKb/s", bitRate / 1000);
}

QDataStream &operator<<(QDataStream &stream, const ConvMediaInfo &info)
{
    stream << info.outputPath << info.sourcePath << info.width << info.height << info.bitRate
           << info.duration << info.fileSize << info.mediaType << info.thumbnailPath;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, ConvMediaInfo &info)
{
    ConvMediaInfo read;
    readBoundedString(stream, &read.outputPath);
    readBoundedString(stream, &read.sourcePath);
    stream >> read.width >> read.height >> read.bitRate >> read.duration >> read.fileSize >>
        read.mediaType;
    readBoundedString(stream, &read.thumbnailPath);
    if (stream.status() != QDataStream::Ok)
        return stream;
    if (read.mediaType < ConvMediaInfo::Audio || read.mediaType > ConvMediaInfo::Unusable) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return stream;
    }
    if (!std::isfinite(read.duration) || read.duration < 0)
        read.duration = 0;
    info = read;
    return stream;
}
