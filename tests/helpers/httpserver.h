#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for the tests: serves files from a folder (with Range
// requests, so media can be probed and resumed) and answers chosen paths from a callback.
//
// Fault routes, chosen by the address alone, for any test that drives a download:
//   fault/short/FILE   the whole FILE's Content-Length, but the connection is cut half-way (a
//                      range request that starts beyond the half gets its head and nothing more)
//   fault/stall/FILE   half of FILE, then silence; the connection is closed after `stallCloseMs`
//   fault/lie/FILE     the first half of FILE as if it were all of it (a Content-Length to match)
//   fault/404/X, fault/403/X, fault/500/X   that status
//   fault/loop/X       a redirect to itself
//   redirect?to=URL[&cookie=NAME=VALUE]     a redirect to URL, setting that cookie first
// and addresses that fail without any server: refusedUrl() (a port nobody listens on) and
// unknownHostUrl() (a name that resolves nowhere; look it up only in a program run through
// noNameService(), so that no query leaves the machine). Every request's head is kept in `heads`.

#include <QDir>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

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

    // Serves https with a certificate for 127.0.0.1 that nobody signed (made by openssl), which a
    // client that checks certificates refuses. Call before start(); false when it cannot be made.
    bool useUntrustedCertificate(const QString &folder)
    {
        const QString cert = folder + QStringLiteral("/untrusted-cert.pem");
        const QString key = folder + QStringLiteral("/untrusted-key.pem");
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                       "-nodes", "-subj", "/CN=127.0.0.1", "-days", "2", "-keyout", key, "-out",
                       cert});
        if (!QSslSocket::supportsSsl() || !openssl.waitForFinished(30000) ||
            openssl.exitCode() != 0)
            return false;
        QFile c(cert), k(key);
        if (!c.open(QIODevice::ReadOnly) || !k.open(QIODevice::ReadOnly))
            return false;
        certificate = QSslCertificate(c.readAll());
        privateKey = QSslKey(k.readAll(), QSsl::Ec);
        return !certificate.isNull() && !privateKey.isNull();
    }

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
    // The address of a path; `host` may be any name of 127.0.0.1 ("localhost" is another site).
    QString url(const QString &path, const QString &host = QStringLiteral("127.0.0.1")) const
    {
        return QStringLiteral("%1://%2:%3/%4")
            .arg(certificate.isNull() ? "http" : "https", host)
            .arg(serverPort())
            .arg(path);
    }
    static QString refusedUrl(const QString &path = QStringLiteral("clip.mp4"))
    {
        QTcpServer closed; // a port that was free a moment ago
        closed.listen(QHostAddress::LocalHost, 0);
        const quint16 port = closed.serverPort();
        closed.close();
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(port).arg(path);
    }
    static QString unknownHostUrl()
    {
        return QStringLiteral("http://clipmoor-no-such-host.invalid/clip.mp4");
    }
    // Writes a script into `folder` that runs `program` (with the script's arguments) where
    // names are looked up in /etc/hosts only (a mount namespace with a name service
    // configuration of its own): an unknown host fails at once and no query leaves the machine.
    // The script exits with 125 where that cannot be set up.
    static QString noNameService(const QString &folder, const QString &program)
    {
        const QString conf = folder + QStringLiteral("/nsswitch-files-only.conf");
        const QString script = folder + QStringLiteral("/no-name-service.sh");
        QFile c(conf), s(script);
        if (!c.open(QIODevice::WriteOnly) || !s.open(QIODevice::WriteOnly))
            return QString();
        c.write("hosts: files\n");
        s.write("#!/bin/sh\nexec unshare -m sh -c 'mount --bind \"$0\" /etc/nsswitch.conf "
                "2>/dev/null || exit 125; exec \"$@\"' '" +
                QFile::encodeName(conf) + "' '" + QFile::encodeName(program) + "' \"$@\"\n");
        s.setPermissions(s.permissions() | QFileDevice::ExeOwner);
        return script;
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
    // A stalled connection (fault/stall) is closed after this long.
    int stallCloseMs = 60000;
    int pending = 0, maxPending = 0;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        QTcpSocket *socket = nullptr;
        if (certificate.isNull()) {
            socket = new QTcpSocket(this);
            socket->setSocketDescriptor(descriptor);
        } else {
            auto *tls = new QSslSocket(this);
            tls->setSocketDescriptor(descriptor);
            tls->setLocalCertificate(certificate);
            tls->setPrivateKey(privateKey);
            tls->startServerEncryption();
            socket = tls;
        }
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
        static const QHash<int, QByteArray> reasons = {
            {200, "OK"},        {206, "Partial Content"}, {302, "Found"},
            {403, "Forbidden"}, {404, "Not Found"},       {500, "Internal Server Error"}};
        const QByteArray reason = reasons.value(status, "Error");
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
        QString path = QUrl::fromPercentEncoding(request.value(1).split('?').value(0)).mid(1);
        const QUrlQuery query(QString::fromLatin1(request.value(1).split('?').value(1)));
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
        auto finish = [socket](int status, const QByteArray &extra = QByteArray()) {
            writeHead(socket, status, "text/plain", 0, extra);
            socket->disconnectFromHost();
        };
        if (path == QLatin1String("redirect")) {
            QByteArray extra =
                "Location: " + query.queryItemValue("to", QUrl::FullyDecoded).toUtf8() + "\r\n";
            if (query.hasQueryItem("cookie"))
                extra +=
                    "Set-Cookie: " + query.queryItemValue("cookie", QUrl::FullyDecoded).toUtf8() +
                    "; Path=/\r\n";
            return finish(302, extra);
        }
        QString fault;
        if (path.startsWith(QLatin1String("fault/"))) {
            fault = path.section(QLatin1Char('/'), 1, 1);
            if (fault == QLatin1String("404") || fault == QLatin1String("403") ||
                fault == QLatin1String("500"))
                return finish(fault.toInt());
            if (fault == QLatin1String("loop"))
                return finish(302, "Location: /" + path.toUtf8() + "\r\n");
            path = path.section(QLatin1Char('/'), 2);
        }
        auto file = std::make_shared<QFile>(QDir(root).filePath(path));
        if (path.contains("..") || !file->open(QIODevice::ReadOnly)) {
            writeHead(socket, 404, "text/plain", 9);
            socket->write("not found");
            socket->disconnectFromHost();
            return;
        }
        // A lie: the file is its first half.
        const qint64 size = fault == QLatin1String("lie") ? file->size() / 2 : file->size();
        qint64 from = 0, to = size - 1;
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
                    QByteArray::number(to) + '/' + QByteArray::number(size) + "\r\n";
        }
        const qint64 length = qMax<qint64>(0, to - from + 1);
        writeHead(socket, status, typeOf(path), length, extra);
        if (headOnly || length == 0) {
            socket->disconnectFromHost();
            return;
        }
        file->seek(from);
        auto left = std::make_shared<qint64>(length);
        const bool stall = stallAfter.contains(path) || fault == QLatin1String("stall");
        const bool drop = dropAfter.contains(path) || fault == QLatin1String("short");
        if (stall || drop) {
            const qint64 limit = fault == QLatin1String("stall") || fault == QLatin1String("short")
                                     ? size / 2
                                 : stall ? stallAfter.value(path)
                                         : dropAfter.value(path);
            const qint64 allowed = qMax<qint64>(0, limit - from);
            if (allowed < *left) {
                *left = allowed;
                socket->setProperty("cut", drop ? "drop" : "stall");
                if (stall)
                    QTimer::singleShot(stallCloseMs, socket, &QTcpSocket::abort);
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
    QSslCertificate certificate;
    QSslKey privateKey;
};
