#pragma once

// The single-instance machinery behind SingleApplication: a 24-byte shared block that says
// whether a primary instance runs, and a local server on which later starts announce
// themselves. Kept free of widgets so that it can be exercised without a GUI.

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QSharedMemory;

class SingleApplicationPrivate : public QObject
{
    Q_OBJECT
public:
    enum Option
    {
        NotifyPrimaryOnSecondaryStart = 4
    };
    enum ConnectionType : quint8
    {
        InvalidConnection = 0,
        NewInstance = 1,
        SecondaryInstance = 2
    };
    enum ConnectionStage : quint8
    {
        StageHeader = 0,
        StageBody = 1,
        StageConnected = 2
    };

    struct InstancesBlock
    {
        quint8 primary;
        quint8 padding[3];
        quint32 secondary;
        qint64 primaryPid;
        quint16 checksum;
        quint8 unused[6];
    };
    static_assert(sizeof(InstancesBlock) == 24, "the shared block is 24 bytes");

    struct ConnectionInfo
    {
        quint64 msgLen = 0;
        quint32 instanceId = 0;
        quint8 stage = StageHeader;
    };

    enum class Outcome
    {
        Primary,          // this instance holds the local server
        Secondary,        // admitted as a secondary (and announced, when asked to)
        RefusedSecondary, // a primary runs and secondaries are not allowed: exit with 0
        Failed            // the shared block can be neither created nor attached: exit with 1
    };

    explicit SingleApplicationPrivate(int options, QObject *parent = nullptr);
    ~SingleApplicationPrivate() override;

    // Computes the key from what the application object reports now.
    static QString computeKey();

    // Creates or attaches the shared block and decides this instance's role.
    Outcome start(bool allowSecondary, int timeout);

    bool isPrimary() const { return server != nullptr; }
    qint64 primaryPid() const;
    QString key() const { return blockServerName; }
    qint32 instanceNumber() const { return instanceNumberValue; }
    QString sharedMemoryError() const;

    // Bytes of one announcement (header followed by body), as a secondary sends them.
    static QByteArray announcement(const QString &key, quint8 connectionType, quint32 instanceId);

    // Reads the body of an announcement; false unless it is whole, names this key and its
    // checksum holds.
    static bool parseAnnouncement(const QByteArray &body, const QByteArray &key,
                                  quint8 *connectionType, quint32 *instanceId);
    // How long a connection may take to announce itself before it is dropped.
    static int announcementTimeoutMs;
    // Connections not yet closed, announced or not.
    int connectionCount() const { return connectionMap.size(); }
    // The local server's socket file, empty unless primary.
    QString serverPath() const;

    // Releases the server and the block. Also done by the destructor.
    void release();

Q_SIGNALS:
    void instanceStarted();
    void receivedMessage(quint32 instanceId, const QByteArray &message);

public Q_SLOTS:
    void slotConnectionEstablished();
    void slotDataAvailable(QLocalSocket *socket, quint32 instanceId);
    void slotClientConnectionClosed(QLocalSocket *socket);

private:
    QString electionLockPath() const;
    void initializeBlock();
    bool blockConsistent() const;
    static quint16 blockChecksum(const InstancesBlock *block);
    InstancesBlock *block() const;
    void startPrimary();
    void connectToPrimary(int timeout, quint8 connectionType);
    void readInitMessageHeader(QLocalSocket *socket);
    void readInitMessageBody(QLocalSocket *socket);

    int options;
    QString blockServerName;
    QSharedMemory *memory = nullptr;
    QLocalServer *server = nullptr;
    QLocalSocket *socket = nullptr;
    qint32 instanceNumberValue = -1;
    QHash<QLocalSocket *, ConnectionInfo> connectionMap;
};
