#include "core/foundation/singleinstance.h"

#include "core/foundation/paths.h"
#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QtEndian>

namespace {

constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_5_6; // stream version 17
// An announcement is a few dozen bytes; a peer that claims more is not one of us.
constexpr quint64 kMaxBodyLength = 64 * 1024;
// Starts that may be talking to the primary at once; more are turned away.
constexpr int kMaxConnections = 32;

QDataStream &prepared(QDataStream &stream)
{
    stream.setVersion(kStreamVersion);
    stream.setByteOrder(QDataStream::BigEndian);
    return stream;
}

QByteArray withLengthHeader(const QByteArray &body)
{
    QByteArray header;
    QDataStream headerStream(&header, QIODevice::WriteOnly);
    prepared(headerStream) << quint64(body.size());
    return header + body;
}

} // namespace

int SingleApplicationPrivate::announcementTimeoutMs = 2000;
int SingleApplicationPrivate::connectionLifetimeMs = 30000;

SingleApplicationPrivate::SingleApplicationPrivate(int options, QObject *parent)
    : QObject(parent)
    , options(options)
    , instanceKey(computeKey())
{
}

SingleApplicationPrivate::~SingleApplicationPrivate()
{
    release();
}

QString SingleApplicationPrivate::computeKey()
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData("SingleApplication", 17);
    hash.addData(QCoreApplication::applicationName().toUtf8());
    hash.addData(QCoreApplication::organizationName().toUtf8());
    hash.addData(QCoreApplication::organizationDomain().toUtf8());
    hash.addData(QCoreApplication::applicationVersion().toUtf8());
    // One instance per user and data folder: the lists in that folder have one writer. Another
    // user, or the same user with another data folder (a portable copy, a test), runs apart.
    hash.addData(QByteArray::number(platform::userId()));
    const QString data = appDataDir();
    const QString canonical = QFileInfo(data).canonicalFilePath();
    hash.addData((canonical.isEmpty() ? data : canonical).toUtf8());
    return QString::fromLatin1(hash.result().toBase64())
        .replace(QLatin1Char('/'), QLatin1Char('_'));
}

qint64 SingleApplicationPrivate::primaryPid() const
{
    if (isPrimary())
        return QCoreApplication::applicationPid();
    QFile lock(lockFilePath);
    if (lockFilePath.isEmpty() || !lock.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const qint64 pid = lock.read(32).trimmed().toLongLong(&ok);
    return ok ? pid : -1;
}

SingleApplicationPrivate::Outcome SingleApplicationPrivate::start(bool allowSecondary, int timeout,
                                                                  int waitLimitMs)
{
    QString why;
    folder = platform::privateRuntimeFolder(&why);
    if (folder.isEmpty()) {
        error = QStringLiteral("no private folder for the instance lock: ") + why;
        return Outcome::Failed;
    }
    QString fileKey = instanceKey;
    fileKey.replace(QLatin1Char('+'), QLatin1Char('-')).remove(QLatin1Char('='));
    const QString base = folder + QStringLiteral("/clipmoor-") + fileKey;
    socketPath = base + QStringLiteral(".sock");
    lockFilePath = base + QStringLiteral(".lock");

    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int handle = platform::tryLockFile(lockFilePath);
        if (handle >= 0) {
            lockHandle = handle;
            startPrimary();
            return Outcome::Primary;
        }
        if (handle != -1) {
            error = QStringLiteral("cannot open the instance lock ") + lockFilePath;
            return Outcome::Failed;
        }
        // The lock is held: its holder is the primary. It listens moments after taking the lock
        // and stops listening moments before it lets go, so a start that finds nobody on the
        // socket tries both again for a little while.
        if (connectToPrimary(timeout)) {
            if (!allowSecondary) {
                socket->write(announcement(instanceKey, NewInstance, 0));
                socket->flush();
                socket->waitForBytesWritten(timeout);
                return Outcome::RefusedSecondary;
            }
            instanceNumberValue = qint32(nextInstanceNumber());
            if (options & NotifyPrimaryOnSecondaryStart) {
                socket->write(
                    announcement(instanceKey, SecondaryInstance, quint32(instanceNumberValue)));
                socket->flush();
                socket->waitForBytesWritten(timeout);
            }
            return Outcome::Secondary;
        }
        if (waited.elapsed() > waitLimitMs) {
            error = QStringLiteral("Clipmoor already runs for this user and data folder "
                                   "(process %1) but does not answer")
                        .arg(primaryPid());
            return Outcome::Failed;
        }
        // A start that cannot be the primary has no window yet; it waits here for moments.
        QThread::msleep(50);
    }
}

quint32 SingleApplicationPrivate::nextInstanceNumber() const
{
    // Secondaries are numbered from a counter beside the lock, held only while it is counted.
    const int handle = platform::lockFile(lockFilePath.chopped(5) + QStringLiteral(".count"));
    const quint32 number = platform::readLockedFile(handle).trimmed().toUInt() + 1;
    platform::writeLockedFile(handle, QByteArray::number(number));
    platform::unlockFile(handle);
    return number;
}

bool SingleApplicationPrivate::startPrimary()
{
    platform::writeLockedFile(lockHandle, QByteArray::number(QCoreApplication::applicationPid()));
    const int counter = platform::lockFile(lockFilePath.chopped(5) + QStringLiteral(".count"));
    platform::writeLockedFile(counter, "0");
    platform::unlockFile(counter);
    instanceNumberValue = 0;

    // A socket left by a primary that died is ours to replace: we hold the lock.
    QLocalServer::removeServer(socketPath);
    server = new QLocalServer(this);
    // Only this user's starts may announce themselves (the folder is private too).
    server->setSocketOptions(QLocalServer::UserAccessOption);
    server->setMaxPendingConnections(kMaxConnections);
    connect(server, &QLocalServer::newConnection, this,
            &SingleApplicationPrivate::slotConnectionEstablished);
    if (server->listen(socketPath))
        return true;
    // Runs all the same; later starts will say that this one does not answer.
    qWarning("SingleApplication: cannot listen on %s: %s", qUtf8Printable(socketPath),
             qUtf8Printable(server->errorString()));
    return false;
}

QByteArray SingleApplicationPrivate::announcement(const QString &key, quint8 connectionType,
                                                  quint32 instanceId)
{
    QByteArray body;
    QDataStream bodyStream(&body, QIODevice::WriteOnly);
    prepared(bodyStream) << key.toLatin1() << connectionType << instanceId;
    bodyStream << qChecksum(body.constData(), uint(body.length()));
    return withLengthHeader(body);
}

QByteArray SingleApplicationPrivate::messageFrame(const QByteArray &payload)
{
    QByteArray body;
    QDataStream bodyStream(&body, QIODevice::WriteOnly);
    prepared(bodyStream).writeBytes(payload.constData(), uint(payload.size()));
    bodyStream << qChecksum(body.constData(), uint(body.length()));
    return withLengthHeader(body);
}

bool SingleApplicationPrivate::connectToPrimary(int timeout)
{
    if (!socket)
        socket = new QLocalSocket(this);
    if (socket->state() == QLocalSocket::ConnectedState)
        return true;
    socket->abort();
    socket->connectToServer(socketPath);
    if (socket->state() == QLocalSocket::ConnectingState)
        socket->waitForConnected(timeout);
    return socket->state() == QLocalSocket::ConnectedState;
}

bool SingleApplicationPrivate::sendMessage(const QByteArray &payload, int timeout)
{
    if (!socket || socket->state() != QLocalSocket::ConnectedState ||
        quint64(payload.size()) > kMaxMessageLength)
        return false;
    if (!(options & NotifyPrimaryOnSecondaryStart))
        socket->write(announcement(instanceKey, SecondaryInstance, quint32(instanceNumberValue)));
    socket->write(messageFrame(payload));
    socket->flush();
    while (socket->bytesToWrite() > 0) {
        if (!socket->waitForBytesWritten(timeout))
            return false;
    }
    return true;
}

void SingleApplicationPrivate::drop(QLocalSocket *sock)
{
    connectionMap.remove(sock);
    sock->abort();
    sock->deleteLater();
}

void SingleApplicationPrivate::slotConnectionEstablished()
{
    while (QLocalSocket *next = server->nextPendingConnection()) {
        if (connectionMap.size() >= kMaxConnections) {
            next->abort();
            next->deleteLater();
            continue;
        }
        connectionMap.insert(next, ConnectionInfo());
        // What one message may hold, and no more, waits in memory.
        next->setReadBufferSize(qint64(kMaxMessageLength) + 64);
        // A peer that has not announced itself within the limit is not a starting instance,
        // and no start talks for long: connections are dropped, so that none can pile up.
        QTimer::singleShot(announcementTimeoutMs, next, [this, next] {
            auto it = connectionMap.find(next);
            if (it != connectionMap.end() && it->stage != StageConnected)
                drop(next);
        });
        QTimer::singleShot(connectionLifetimeMs, next, [this, next] {
            if (connectionMap.contains(next))
                drop(next);
        });
        connect(next, &QLocalSocket::aboutToClose, this, [this, next] {
            if (connectionMap.contains(next) && connectionMap[next].stage == StageConnected)
                slotClientConnectionClosed(next);
        });
        connect(next, &QLocalSocket::disconnected, this, [this, next] {
            connectionMap.remove(next);
            next->deleteLater();
        });
        connect(next, &QLocalSocket::readyRead, this, [this, next] {
            auto it = connectionMap.find(next);
            if (it == connectionMap.end())
                return;
            switch (it->stage) {
            case StageHeader:
                readInitMessageHeader(next);
                break;
            case StageBody:
                readInitMessageBody(next);
                break;
            case StageConnected:
                slotDataAvailable(next, it->instanceId);
                break;
            }
        });
    }
}

void SingleApplicationPrivate::readInitMessageHeader(QLocalSocket *sock)
{
    auto it = connectionMap.find(sock);
    if (it == connectionMap.end() || sock->bytesAvailable() < qint64(sizeof(quint64)))
        return;
    QDataStream headerStream(sock);
    quint64 msgLen = 0;
    prepared(headerStream) >> msgLen;
    if (msgLen > kMaxBodyLength) {
        sock->close();
        return;
    }
    it->msgLen = msgLen;
    it->stage = StageBody;
    if (quint64(sock->bytesAvailable()) >= msgLen)
        readInitMessageBody(sock);
}

void SingleApplicationPrivate::readInitMessageBody(QLocalSocket *sock)
{
    auto it = connectionMap.find(sock);
    if (it == connectionMap.end() || quint64(sock->bytesAvailable()) < it->msgLen)
        return;

    const QByteArray body = sock->read(qint64(it->msgLen));
    quint8 connectionType = InvalidConnection;
    quint32 instanceId = 0;
    if (!parseAnnouncement(body, instanceKey.toLatin1(), &connectionType, &instanceId)) {
        sock->close();
        return;
    }

    it->instanceId = instanceId;
    it->stage = StageConnected;
    if (connectionType == NewInstance ||
        (connectionType == SecondaryInstance && (options & NotifyPrimaryOnSecondaryStart)))
        Q_EMIT instanceStarted();
    if (sock->bytesAvailable() > 0)
        slotDataAvailable(sock, instanceId);
}

bool SingleApplicationPrivate::parseAnnouncement(const QByteArray &body, const QByteArray &key,
                                                 quint8 *connectionType, quint32 *instanceId)
{
    QDataStream bodyStream(body);
    QByteArray latin1Name;
    quint8 type = InvalidConnection;
    quint32 id = 0;
    quint16 msgChecksum = 0;
    prepared(bodyStream) >> latin1Name >> type >> id >> msgChecksum;

    const int zero = latin1Name.indexOf('\0');
    const QByteArray name = zero >= 0 ? latin1Name.left(zero) : latin1Name;
    const bool accepted = bodyStream.status() == QDataStream::Ok && name == key &&
                          body.size() >= 2 &&
                          msgChecksum == qChecksum(body.constData(), uint(body.size() - 2));
    if (!accepted)
        return false;
    *connectionType = type;
    *instanceId = id;
    return true;
}

bool SingleApplicationPrivate::parseMessage(const QByteArray &body, QByteArray *payload)
{
    if (body.size() < 6 || quint64(body.size()) > kMaxMessageLength + 6)
        return false;
    const quint32 length = qFromBigEndian<quint32>(body.constData());
    if (quint64(length) + 6 != quint64(body.size()))
        return false;
    const quint16 checksum = qFromBigEndian<quint16>(body.constData() + body.size() - 2);
    if (checksum != qChecksum(body.constData(), uint(body.size() - 2)))
        return false;
    *payload = body.mid(4, int(length));
    return true;
}

void SingleApplicationPrivate::slotDataAvailable(QLocalSocket *sock, quint32 instanceId)
{
    // Whole messages only; a partial one waits for the rest.
    while (connectionMap.contains(sock) && sock->bytesAvailable() >= 8) {
        const QByteArray header = sock->peek(8);
        const quint64 length = qFromBigEndian<quint64>(header.constData());
        if (length > kMaxMessageLength + 6) {
            drop(sock);
            return;
        }
        if (quint64(sock->bytesAvailable()) < 8 + length)
            return;
        sock->skip(8);
        QByteArray payload;
        if (!parseMessage(sock->read(qint64(length)), &payload)) {
            drop(sock);
            return;
        }
        Q_EMIT receivedMessage(instanceId, payload);
    }
}

void SingleApplicationPrivate::slotClientConnectionClosed(QLocalSocket *sock)
{
    slotDataAvailable(sock, connectionMap.value(sock).instanceId);
}

void SingleApplicationPrivate::release()
{
    if (socket) {
        socket->abort();
        delete socket;
        socket = nullptr;
    }
    if (server) {
        // Gone from the folder before the lock is let go: the next primary makes its own.
        server->close();
        delete server;
        server = nullptr;
    }
    for (QLocalSocket *sock : connectionMap.keys())
        sock->disconnect(this);
    connectionMap.clear();
    platform::unlockFile(lockHandle);
    lockHandle = -1;
}

namespace instancemessage {

namespace {
const QByteArray kMagic = QByteArrayLiteral("clipmoor-addresses");
} // namespace

QByteArray encodeAddresses(const QStringList &addresses)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    prepared(stream).writeBytes(kMagic.constData(), uint(kMagic.size()));
    stream << quint32(qMin(addresses.size(), kMaxAddresses));
    for (const QString &address : addresses.mid(0, kMaxAddresses)) {
        const QByteArray utf8 = address.left(kMaxAddressLength).toUtf8();
        stream.writeBytes(utf8.constData(), uint(utf8.size()));
    }
    return payload;
}

bool decodeAddresses(const QByteArray &payload, QStringList *addresses)
{
    QDataStream stream(payload);
    prepared(stream);
    // Every length is checked against what is left before anything is read or reserved.
    auto readBytes = [&stream, &payload](int limit, QByteArray *out) {
        quint32 length = 0;
        stream >> length;
        const qint64 left = payload.size() - stream.device()->pos();
        if (stream.status() != QDataStream::Ok || length > quint32(limit) || length > left)
            return false;
        out->resize(int(length));
        return stream.readRawData(out->data(), int(length)) == int(length);
    };
    QByteArray magic;
    quint32 count = 0;
    if (!readBytes(kMagic.size(), &magic) || magic != kMagic)
        return false;
    stream >> count;
    if (stream.status() != QDataStream::Ok || count > quint32(kMaxAddresses))
        return false;
    QStringList out;
    for (quint32 i = 0; i < count; ++i) {
        QByteArray address;
        if (!readBytes(kMaxAddressLength * 4, &address))
            return false;
        out << QString::fromUtf8(address);
    }
    if (!stream.atEnd())
        return false;
    *addresses = out;
    return true;
}

} // namespace instancemessage
