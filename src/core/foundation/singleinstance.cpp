#include "core/foundation/singleinstance.h"

#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSharedMemory>
#include <QThread>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace {

constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_5_6; // stream version 17
// An announcement is a few dozen bytes; a peer that claims more is not one of us.
constexpr quint64 kMaxBodyLength = 64 * 1024;

} // namespace

int SingleApplicationPrivate::announcementTimeoutMs = 2000;

SingleApplicationPrivate::SingleApplicationPrivate(int options, QObject *parent)
    : QObject(parent)
    , options(options)
    , blockServerName(computeKey())
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
    hash.addData(QCoreApplication::applicationFilePath().toLower().toUtf8());
    return QString::fromLatin1(hash.result().toBase64())
        .replace(QLatin1Char('/'), QLatin1Char('_'));
}

SingleApplicationPrivate::InstancesBlock *SingleApplicationPrivate::block() const
{
    return static_cast<InstancesBlock *>(memory->data());
}

quint16 SingleApplicationPrivate::blockChecksum(const InstancesBlock *block)
{
    return qChecksum(reinterpret_cast<const char *>(block), 16);
}

bool SingleApplicationPrivate::blockConsistent() const
{
    return blockChecksum(block()) == block()->checksum;
}

void SingleApplicationPrivate::initializeBlock()
{
    InstancesBlock *b = block();
    std::memset(b, 0, sizeof(InstancesBlock));
    b->primary = 0;
    b->secondary = 0;
    b->primaryPid = -1;
    b->checksum = blockChecksum(b);
}

QString SingleApplicationPrivate::sharedMemoryError() const
{
    return memory ? memory->errorString() : QString();
}

qint64 SingleApplicationPrivate::primaryPid() const
{
    if (!memory || !memory->isAttached())
        return -1;
    memory->lock();
    const qint64 pid = block()->primaryPid;
    memory->unlock();
    return pid;
}

QString SingleApplicationPrivate::electionLockPath() const
{
    return QDir::tempPath() + QLatin1Char('/') + blockServerName + QLatin1String(".lock");
}

SingleApplicationPrivate::Outcome SingleApplicationPrivate::start(bool allowSecondary, int timeout)
{
    // Two starts at the same moment must not both become primary. The block's own lock cannot
    // guarantee that here: creating a segment resets its lock, even while another process holds
    // it. A lock file, released by the system when its holder dies, serialises the whole
    // decision (and the primary's release).
    QLockFile election(electionLockPath());
    if (!election.tryLock(10000))
        qWarning("SingleApplication: cannot take the start-up lock %s",
                 qUtf8Printable(electionLockPath()));

    memory = new QSharedMemory(blockServerName, this);
    if (memory->create(sizeof(InstancesBlock))) {
        memory->lock();
        initializeBlock();
        memory->unlock();
    } else if (!memory->attach()) {
        return Outcome::Failed;
    }

    QElapsedTimer time;
    time.start();
    memory->lock();
    while (!blockConsistent()) {
        const InstancesBlock zero{};
        if (time.elapsed() > 5000) {
            qWarning("SingleApplication: Shared memory block has been in an inconsistent state "
                     "from more than 5s. Assuming primary instance failure.");
            initializeBlock();
            break;
        }
        const bool fresh = std::memcmp(block(), &zero, sizeof zero) == 0;
        memory->unlock();
        if (fresh) {
            // A block of zeros was just created by another start that has not initialised it
            // yet; it will within moments, so there is no need for the long back-off below.
            QThread::msleep(50);
        } else {
            std::srand(uint(QDateTime::currentMSecsSinceEpoch() % 4294967295LL));
            QThread::sleep(8 + ulong(std::rand() / 32767.0 * 10));
        }
        memory->lock();
    }

    InstancesBlock *b = block();
    // A primary that died without releasing the block leaves it marked as running. On this
    // platform the block outlives its holders, so without this check no start would ever run
    // again; a dead primary process means there is nobody to hand over to.
    if (b->primary && !platform::processExists(b->primaryPid)) {
        qWarning("SingleApplication: primary instance %lld is gone, taking over.",
                 static_cast<long long>(b->primaryPid));
        b->primary = 0;
        b->primaryPid = -1;
        b->checksum = blockChecksum(b);
    }

    Outcome outcome;
    if (b->primary && !allowSecondary) {
        memory->unlock();
        connectToPrimary(timeout, NewInstance);
        return Outcome::RefusedSecondary;
    }
    if (b->primary) {
        b->secondary += 1;
        b->checksum = blockChecksum(b);
        instanceNumberValue = qint32(b->secondary);
        if (options & NotifyPrimaryOnSecondaryStart)
            connectToPrimary(timeout, SecondaryInstance);
        outcome = Outcome::Secondary;
    } else {
        startPrimary();
        outcome = Outcome::Primary;
    }
    memory->unlock();
    return outcome;
}

void SingleApplicationPrivate::startPrimary()
{
    QLocalServer::removeServer(blockServerName);
    server = new QLocalServer(this);
    // Only this user's starts may announce themselves.
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(blockServerName))
        qWarning("SingleApplication: cannot listen on the instance server: %s",
                 qUtf8Printable(server->errorString()));
    connect(server, &QLocalServer::newConnection, this,
            &SingleApplicationPrivate::slotConnectionEstablished);

    InstancesBlock *b = block();
    b->primary = 1;
    b->primaryPid = QCoreApplication::applicationPid();
    b->checksum = blockChecksum(b);
    instanceNumberValue = 0;
}

QByteArray SingleApplicationPrivate::announcement(const QString &key, quint8 connectionType,
                                                  quint32 instanceId)
{
    QByteArray body;
    QDataStream bodyStream(&body, QIODevice::WriteOnly);
    bodyStream.setVersion(kStreamVersion);
    bodyStream.setByteOrder(QDataStream::BigEndian);
    bodyStream << key.toLatin1();
    bodyStream << connectionType;
    bodyStream << instanceId;
    const quint16 checksum = qChecksum(body.constData(), uint(body.length()));
    bodyStream << checksum;

    QByteArray header;
    QDataStream headerStream(&header, QIODevice::WriteOnly);
    headerStream.setVersion(kStreamVersion);
    headerStream.setByteOrder(QDataStream::BigEndian);
    headerStream << quint64(body.size());
    return header + body;
}

void SingleApplicationPrivate::connectToPrimary(int timeout, quint8 connectionType)
{
    if (!socket)
        socket = new QLocalSocket(this);
    if (socket->state() != QLocalSocket::ConnectedState) {
        if (socket->state() == QLocalSocket::UnconnectedState ||
            socket->state() == QLocalSocket::ClosingState)
            socket->connectToServer(blockServerName);
        if (socket->state() == QLocalSocket::ConnectingState)
            socket->waitForConnected(timeout);
    }
    if (socket->state() != QLocalSocket::ConnectedState)
        return; // nobody to tell; the caller exits all the same
    socket->write(announcement(blockServerName, connectionType, quint32(instanceNumberValue)));
    socket->flush();
    socket->waitForBytesWritten(timeout);
}

void SingleApplicationPrivate::slotConnectionEstablished()
{
    while (QLocalSocket *next = server->nextPendingConnection()) {
        connectionMap.insert(next, ConnectionInfo());
        // A peer that has not announced itself within the limit is not a starting instance:
        // it is dropped, so that idle connections cannot pile up.
        QTimer::singleShot(announcementTimeoutMs, next, [this, next] {
            auto it = connectionMap.find(next);
            if (it == connectionMap.end() || it->stage == StageConnected)
                return;
            connectionMap.erase(it);
            next->abort();
            next->deleteLater();
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
    headerStream.setVersion(kStreamVersion);
    headerStream.setByteOrder(QDataStream::BigEndian);
    quint64 msgLen = 0;
    headerStream >> msgLen;
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
    if (!parseAnnouncement(body, blockServerName.toLatin1(), &connectionType, &instanceId)) {
        sock->close();
        return;
    }

    it->instanceId = instanceId;
    it->stage = StageConnected;
    if (connectionType == NewInstance ||
        (connectionType == SecondaryInstance && (options & NotifyPrimaryOnSecondaryStart)))
        Q_EMIT instanceStarted();
    if (sock->bytesAvailable() > 0)
        Q_EMIT receivedMessage(instanceId, sock->readAll());
}

bool SingleApplicationPrivate::parseAnnouncement(const QByteArray &body, const QByteArray &key,
                                                 quint8 *connectionType, quint32 *instanceId)
{
    QDataStream bodyStream(body);
    bodyStream.setVersion(kStreamVersion);
    bodyStream.setByteOrder(QDataStream::BigEndian);
    QByteArray latin1Name;
    quint8 type = InvalidConnection;
    quint32 id = 0;
    quint16 msgChecksum = 0;
    bodyStream >> latin1Name >> type >> id >> msgChecksum;

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

void SingleApplicationPrivate::slotDataAvailable(QLocalSocket *sock, quint32 instanceId)
{
    Q_EMIT receivedMessage(instanceId, sock->readAll());
}

void SingleApplicationPrivate::slotClientConnectionClosed(QLocalSocket *sock)
{
    if (sock->bytesAvailable() > 0)
        Q_EMIT receivedMessage(connectionMap.value(sock).instanceId, sock->readAll());
}

QString SingleApplicationPrivate::serverPath() const
{
    return server ? server->fullServerName() : QString();
}

void SingleApplicationPrivate::release()
{
    QLockFile election(electionLockPath());
    if (memory)
        election.tryLock(2000);
    if (socket) {
        socket->close();
        delete socket;
        socket = nullptr;
    }
    if (memory && memory->isAttached()) {
        memory->lock();
        if (server) {
            server->close();
            delete server;
            server = nullptr;
            InstancesBlock *b = block();
            b->primary = 0;
            b->primaryPid = -1;
            b->checksum = blockChecksum(b);
        }
        memory->unlock();
    }
    delete memory;
    memory = nullptr;
}
