#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for the tests: serves files from a folder (with Range
// requests, so media can be probed and resumed) and answers chosen paths from a callback.

#include <QDir>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

class TestHttpServer : public QTcpServer
{
public:
    struct Response
    {
        int status = 200;
        QByteArray contentType = "application/octet-stream";
        QByteArray body;
        QByteArray headers; // more header lines, each ending in "\r\n" (Location, Set-Cookie)
    };
    // Returns true when it answered the path itself.
    using Handler = std::function<bool(const QString &path, Response *response)>;

    explicit TestHttpServer(const QString &root, QObject *parent = nullptr)
        : QTcpServer(parent)
        , root(root)
    {
    }

    bool start() { return listen(QHostAddress::LocalHost, 0); }

    // A live HLS media playlist: a window of five one-second segments ("seg000.ts", ...) whose
    // time has come, four at first and one more every second, with no end tag until `total`.
    static QByteArray livePlaylist(qint64 elapsedMs, int total)
    {
        const int available = qMin(total, 4 + int(elapsedMs / 1000));
        const int first = qMax(0, available - 5);
        QByteArray m =
            "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:1\n#EXT-X-MEDIA-SEQUENCE:" +
            QByteArray::number(first) + "\n";
        for (int i = first; i < available; ++i)
            m += "#EXTINF:1.000000,\n" +
                 QStringLiteral("seg%1.ts").arg(i, 3, 10, QChar('0')).toLatin1() + "\n";
        if (available == total)
            m += "#EXT-X-ENDLIST\n";
        return m;
    }
    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(serverPort()).arg(path);
    }
    void setHandler(Handler h) { handler = std::move(h); }
    bool hasHandler() const { return bool(handler); }
    int requests = 0;
    QHash<QString, int> requestsByPath;
    // The head (request line and headers) of the last request for each path.
    QHash<QString, QByteArray> lastHeadByPath;
    // Paths that get no answer at all (the connection stays open and silent).
    QSet<QString> silent;
    // Serving these files stops after so many bytes: the connection then stays open and silent
    // (stall) or is cut (drop).
    QHash<QString, qint64> stallAfter;
    QHash<QString, qint64> dropAfter;
    // Every request's head and body, in the order they came.
    QList<QByteArray> heads, bodies;
    // Answers wait this long; `maxPending` counts the most requests waiting at once.
    int answerDelayMs = 0;
    int pending = 0, maxPending = 0;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const int end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QByteArray head = buffer->left(end);
            const QRegularExpressionMatch length =
                QRegularExpression(QStringLiteral("\r\ncontent-length:\\s*(\\d+)"),
                                   QRegularExpression::CaseInsensitiveOption)
                    .match(QString::fromLatin1(head));
            const int bodySize = length.hasMatch() ? length.captured(1).toInt() : 0;
            if (buffer->size() < end + 4 + bodySize)
                return; // the body is still coming
            heads << head;
            bodies << buffer->mid(end + 4, bodySize);
            buffer->clear();
            disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
            if (answerDelayMs <= 0) {
                answer(socket, head);
                return;
            }
            maxPending = qMax(maxPending, ++pending);
            QTimer::singleShot(answerDelayMs, socket, [this, socket, head] {
                --pending;
                answer(socket, head);
            });
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    static QByteArray typeOf(const QString &path)
    {
        static const QHash<QString, QByteArray> types = {{"html", "text/html; charset=utf-8"},
                                                         {"mp4", "video/mp4"},
                                                         {"mp3", "audio/mpeg"},
                                                         {"m3u8", "application/vnd.apple.mpegurl"},
                                                         {"ts", "video/mp2t"},
                                                         {"json", "application/json"},
                                                         {"jpg", "image/jpeg"},
                                                         {"txt", "text/plain"}};
        return types.value(QFileInfo(path).suffix().toLower(), "application/octet-stream");
    }

    static void writeHead(QTcpSocket *socket, int status, const QByteArray &type, qint64 length,
                          const QByteArray &extra = QByteArray())
    {
        const QByteArray reason = status == 200   ? "OK"
                                  : status == 206 ? "Partial Content"
                                  : status == 302 ? "Found"
                                  : status == 404 ? "Not Found"
                                                  : "Error";
        socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n" +
                      "Content-Type: " + type +
                      "\r\nContent-Length: " + QByteArray::number(length) +
                      "\r\nAccept-Ranges: bytes\r\n" + extra + "Connection: close\r\n\r\n");
    }

    void answer(QTcpSocket *socket, const QByteArray &head)
    {
        ++requests;
        const QList<QByteArray> lines = head.split('\n');
        const QList<QByteArray> request = lines.value(0).trimmed().split(' ');
        const bool headOnly = request.value(0) == "HEAD";
        const QString path = QUrl::fromPercentEncoding(request.value(1).split('?').value(0)).mid(1);
        requestsByPath[path] += 1;
        lastHeadByPath[path] = head;
        if (silent.contains(path))
            return;
        Response custom;
        if (handler && handler(path, &custom)) {
            writeHead(socket, custom.status, custom.contentType, custom.body.size(),
                      custom.headers);
            if (!headOnly)
                socket->write(custom.body);
            socket->disconnectFromHost();
            return;
        }
        auto file = std::make_shared<QFile>(QDir(root).filePath(path));
        if (path.contains("..") || !file->open(QIODevice::ReadOnly)) {
            writeHead(socket, 404, "text/plain", 9);
            socket->write("not found");
            socket->disconnectFromHost();
            return;
        }
        qint64 from = 0, to = file->size() - 1;
        int status = 200;
        QByteArray extra;
        for (const QByteArray &line : lines) {
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("^range:\\s*bytes=(\\d*)-(\\d*)"),
                                   QRegularExpression::CaseInsensitiveOption)
                    .match(QString::fromLatin1(line.trimmed()));
            if (!m.hasMatch())
                continue;
            if (!m.captured(1).isEmpty())
                from = m.captured(1).toLongLong();
            if (!m.captured(2).isEmpty())
                to = qMin(to, m.captured(2).toLongLong());
            status = 206;
            extra = "Content-Range: bytes " + QByteArray::number(from) + '-' +
                    QByteArray::number(to) + '/' + QByteArray::number(file->size()) + "\r\n";
        }
        const qint64 length = qMax<qint64>(0, to - from + 1);
        writeHead(socket, status, typeOf(path), length, extra);
        if (headOnly || length == 0) {
            socket->disconnectFromHost();
            return;
        }
        file->seek(from);
        auto left = std::make_shared<qint64>(length);
        const bool stall = stallAfter.contains(path);
        const bool drop = dropAfter.contains(path);
        if (stall || drop) {
            const qint64 limit = stall ? stallAfter.value(path) : dropAfter.value(path);
            const qint64 allowed = qMax<qint64>(0, limit - from);
            if (allowed < *left) {
                *left = allowed;
                socket->setProperty("cut", drop ? "drop" : "stall");
            }
        }
        // Feed the socket as it drains, so large files never sit in memory whole.
        auto pump = [socket, file, left] {
            while (*left > 0 && socket->bytesToWrite() < 256 * 1024) {
                const QByteArray chunk = file->read(qMin<qint64>(*left, 64 * 1024));
                if (chunk.isEmpty()) {
                    *left = 0;
                    break;
                }
                *left -= chunk.size();
                socket->write(chunk);
            }
            if (*left == 0 && socket->bytesToWrite() == 0) {
                const QByteArray cut = socket->property("cut").toByteArray();
                if (cut == "drop")
                    socket->abort();
                else if (cut != "stall")
                    socket->disconnectFromHost();
            }
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, pump);
        pump();
    }

    QString root;
    Handler handler;
};
