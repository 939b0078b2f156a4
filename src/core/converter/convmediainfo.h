#pragma once

// One media file as ffprobe describes it, or one converted file. Its data-stream record is the
// unit of both converter list files.

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

class QDataStream;

namespace protocol {
struct Result;
}

class ConvMediaInfo : public QObject
{
    Q_OBJECT
public:
    enum MediaType
    {
        Audio = 0,
        Video = 1,
        Unusable = 2
    };

    explicit ConvMediaInfo(QObject *parent = nullptr);
    // Copies every field; the copy has no parent.
    ConvMediaInfo(const ConvMediaInfo &other);
    ConvMediaInfo &operator=(const ConvMediaInfo &other);
    bool operator==(const ConvMediaInfo &other) const;

    // Fills duration, fileSize, bitRate, width and height from the download tool's verdict
    // (quality "192Kb/s", resolution "1280x720").
    void setToolResult(const protocol::Result &result);

    // The file name of outputPath, else of sourcePath, else "Unknown".
    QString displayName() const;
    // The upper-cased suffix of outputPath, else of sourcePath, else "Unknown".
    QString typeText() const;
    // "%02d:%02d:%02d", "%02d:%02d" or "Unknown" for the whole seconds of duration.
    QString durationText() const;
    // "%0.1fGB" ... "%0.1fB", or "Unknown" for 0.
    QString sizeText() const;
    // Video: "WIDTHxHEIGHT"; audio: "%dKb/s" of the bit rate, or "Unknown" for 0.
    QString qualityText() const;

    QString sourcePath;
    QString outputPath;
    QString thumbnailPath;
    qint64 fileSize = 0;
    double duration = 0;
    qint32 bitRate = 0;
    qint32 width = 0;
    qint32 height = 0;
    qint32 mediaType = Audio;
    // ffprobe's report of sourcePath as it came (compact JSON), handed to the conversion tool so
    // that it does not probe the file again. Kept in memory only: a list read from disk has none.
    QByteArray probe;
};

// The record: outputPath, sourcePath, width, height, bitRate, duration, fileSize, mediaType,
// thumbnailPath, in Qt's default data-stream encoding.
QDataStream &operator<<(QDataStream &stream, const ConvMediaInfo &info);
// Reads one record. A string longer than what is left of the stream's device, or a media type
// that does not exist, sets the stream's status to ReadCorruptData; nothing larger than the data
// is ever allocated.
QDataStream &operator>>(QDataStream &stream, ConvMediaInfo &info);

Q_DECLARE_METATYPE(ConvMediaInfo)
Q_DECLARE_METATYPE(ConvMediaInfo *)
Q_DECLARE_METATYPE(QList<ConvMediaInfo>)
