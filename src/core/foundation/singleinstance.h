#pragma once

// The single-instance machinery behind SingleApplication: one primary instance per user and
// data folder, and a local server on which later starts announce themselves and hand over what
// they were started with. Kept free of widgets so that it can be exercised without a GUI.
//
// The election is a lock file in the user's private runtime folder (platform::
// privateRuntimeFolder): whoever holds the lock is the primary and listens on the socket beside
// it. The system releases the lock when its holder dies, however it dies, so a crashed primary
// never blocks the next start; its socket file is replaced by the new primary. Everything lives
// in a folder only the user can enter, under a name made from the user id and the data folder:
// two users, or two data folders of one user, never meet.
//
// On the socket a later start sends its announcement (a 64-bit length, then the instance key,
// the connection kind, its instance number and a CRC-16 of the body) and then any number of
// messages, each a 64-bit length and a body of the payload and a CRC-16 of it. Lengths are
// bounded; a connection that sends anything else is closed.

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

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

    struct ConnectionInfo
    {
        quint64 msgLen = 0;
        quint32 instanceId = 0;
        quint8 stage = StageHeader;
    };

    enum class Outcome
    {
        Primary,          // this instance holds the lock and the local server
        Secondary,        // admitted as a secondary (and announced, when asked to)
        RefusedSecondary, // a primary runs and secondaries are not allowed: exit with 0
        Failed            // no private folder, or a primary that never answers: exit with 1
    };

    explicit SingleApplicationPrivate(int options, QObject *parent = nullptr);
    ~SingleApplicationPrivate() override;

    // Computes the key from what the application object reports now, the user and the data
    // folder.
    static QString computeKey();

    // Takes the lock or announces itself to the one who has it. A start that finds the lock
    // taken but nobody listening (a primary starting or quitting) tries again for at most
    // `waitLimitMs`.
    Outcome start(bool allowSecondary, int timeout, int waitLimitMs = 5000);

    bool isPrimary() const { return lockHandle >= 0; }
    qint64 primaryPid() const;
    QString key() const { return instanceKey; }
    qint32 instanceNumber() const { return instanceNumberValue; }
    // Why start() failed.
    QString errorString() const { return error; }

    // Sends a message to the primary after the announcement (a secondary only); waits at most
    // `timeout` for it to be written.
    bool sendMessage(const QByteArray &payload, int timeout);

    // Bytes of one announcement (header followed by body), as a secondary sends them.
    static QByteArray announcement(const QString &key, quint8 connectionType, quint32 instanceId);
    // Bytes of one message (header followed by body).
    static QByteArray messageFrame(const QByteArray &payload);

    // Reads the body of an announcement; false unless it is whole, names this key and its
    // checksum holds.
    static bool parseAnnouncement(const QByteArray &body, const QByteArray &key,
                                  quint8 *connectionType, quint32 *instanceId);
    // Reads the body of a message; false unless it is whole and its checksum holds.
    static bool parseMessage(const QByteArray &body, QByteArray *payload);

    // The longest message body taken.
    static constexpr quint64 kMaxMessageLength = 1024 * 1024;
    // How long a connection may take to announce itself before it is dropped.
    static int announcementTimeoutMs;
    // How long an announced connection may stay open.
    static int connectionLifetimeMs;
    // Connections not yet closed, announced or not.
    int connectionCount() const { return connectionMap.size(); }
    // The local server's socket file (where it is, or would be).
    QString serverPath() const { return socketPath; }
    // The election's lock file.
    QString lockPath() const { return lockFilePath; }

    // Releases the server and the lock. Also done by the destructor.
    void release();

Q_SIGNALS:
    void instanceStarted();
    void receivedMessage(quint32 instanceId, const QByteArray &message);

public Q_SLOTS:
    void slotConnectionEstablished();
    void slotDataAvailable(QLocalSocket *socket, quint32 instanceId);
    void slotClientConnectionClosed(QLocalSocket *socket);

private:
    bool startPrimary();
    bool connectToPrimary(int timeout);
    quint32 nextInstanceNumber() const;
    void readInitMessageHeader(QLocalSocket *socket);
    void readInitMessageBody(QLocalSocket *socket);
    void drop(QLocalSocket *socket);

    int options;
    QString instanceKey;
    QString folder;
    QString socketPath;
    QString lockFilePath;
    QString error;
    int lockHandle = -1;
    QLocalServer *server = nullptr;
    QLocalSocket *socket = nullptr;
    qint32 instanceNumberValue = -1;
    QHash<QLocalSocket *, ConnectionInfo> connectionMap;
};

// What a later start hands to the running instance: the web addresses it was started with.
namespace instancemessage {
// At most this many addresses of at most kMaxAddressLength characters are taken.
constexpr int kMaxAddresses = 1000;
constexpr int kMaxAddressLength = 8192;
QByteArray encodeAddresses(const QStringList &addresses);
// False when the payload is not a list of addresses (anything else is refused whole).
bool decodeAddresses(const QByteArray &payload, QStringList *addresses);
} // namespace instancemessage
