#include "core/foundation/singleinstance.h"
#include "helpers/testutil.h"

#include <QLocalSocket>
#include <QSignalSpy>

#include <memory>
#include <vector>

class TestSingleApplication : public QObject
{
    Q_OBJECT

    SingleApplicationPrivate *primary = nullptr;

    std::unique_ptr<QLocalSocket> connectToPrimary()
    {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(primary->key());
        if (!socket->waitForConnected(2000))
            return nullptr;
        return socket;
    }

    static bool closedByPeer(QLocalSocket &socket, int timeoutMs = 2000)
    {
        QElapsedTimer timer;
        timer.start();
        while (socket.state() == QLocalSocket::ConnectedState && timer.elapsed() < timeoutMs)
            QTest::qWait(20);
        return socket.state() != QLocalSocket::ConnectedState;
    }

    struct Probe
    {
        std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
        QByteArray output;
        void start() { process->start(testutil::helperPath("singleapp_probe"), QStringList()); }
        bool waitFor(const QByteArray &text, int timeoutMs = 10000)
        {
            return testutil::waitForOutput(*process, text, &output, timeoutMs);
        }
        bool quit()
        {
            process->closeWriteChannel();
            return process->waitForFinished(5000) && process->exitCode() == 0;
        }
    };

private Q_SLOTS:
    void initTestCase()
    {
        testutil::enterTestMode();
        primary = new SingleApplicationPrivate(
            SingleApplicationPrivate::NotifyPrimaryOnSecondaryStart, this);
        QCOMPARE(primary->start(true, 1000), SingleApplicationPrivate::Outcome::Primary);
        QCOMPARE(primary->instanceNumber(), 0);
        QCOMPARE(primary->primaryPid(), QCoreApplication::applicationPid());
    }

    void keyIsAFileSafeDigest()
    {
        const QString key = primary->key();
        QCOMPARE(key.size(), 44); // Base64 of 32 bytes
        QVERIFY(!key.contains('/'));
        QCOMPARE(SingleApplicationPrivate::computeKey(), key);
    }

    void acceptedAnnouncementRaisesAndPassesOnFurtherBytes()
    {
        QSignalSpy started(primary, &SingleApplicationPrivate::instanceStarted);
        QSignalSpy messages(primary, &SingleApplicationPrivate::receivedMessage);
        auto socket = connectToPrimary();
        QVERIFY(socket);
        socket->write(SingleApplicationPrivate::announcement(primary->key(), 2, 7) + "hello");
        QTRY_COMPARE(started.count(), 1);
        QTRY_COMPARE(messages.count(), 1);
        QCOMPARE(messages.at(0).at(0).toUInt(), 7u);
        QCOMPARE(messages.at(0).at(1).toByteArray(), QByteArray("hello"));
        socket->write("more");
        QTRY_COMPARE(messages.count(), 2);
        QCOMPARE(messages.at(1).at(1).toByteArray(), QByteArray("more"));
        QCOMPARE(socket->state(), QLocalSocket::ConnectedState);
    }

    void refusedSecondaryAlsoRaises()
    {
        QSignalSpy started(primary, &SingleApplicationPrivate::instanceStarted);
        auto socket = connectToPrimary();
        QVERIFY(socket);
        socket->write(SingleApplicationPrivate::announcement(primary->key(), 1, 0));
        QTRY_COMPARE(started.count(), 1);
    }

    void headerWithoutBodyWaits()
    {
        QSignalSpy started(primary, &SingleApplicationPrivate::instanceStarted);
        auto socket = connectToPrimary();
        QVERIFY(socket);
        const QByteArray message = SingleApplicationPrivate::announcement(primary->key(), 2, 3);
        socket->write(message.left(4)); // not even a whole header
        QVERIFY(socket->waitForBytesWritten(2000));
        socket->write(message.mid(4, 4 + 10)); // header and part of the body
        QVERIFY(socket->waitForBytesWritten(2000));
        // A whole announcement sent afterwards on another connection is taken; the partial one
        // still waits for the rest of its body.
        auto later = connectToPrimary();
        QVERIFY(later);
        later->write(SingleApplicationPrivate::announcement(primary->key(), 1, 0));
        QTRY_COMPARE(started.count(), 1);
        QCOMPARE(socket->state(), QLocalSocket::ConnectedState);
        socket->write(message.mid(18));
        QTRY_COMPARE(started.count(), 2);
    }

    // Connections that never finish their announcement are dropped after a while, so that they
    // cannot pile up; the socket is this user's alone.
    void idleConnectionsAreDroppedAndTheSocketIsPrivate()
    {
        QCOMPARE(QFileInfo(primary->serverPath()).permissions() &
                     (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                 QFile::Permissions());
        SingleApplicationPrivate::announcementTimeoutMs = 200;
        const QByteArray message = SingleApplicationPrivate::announcement(primary->key(), 2, 3);
        std::vector<std::unique_ptr<QLocalSocket>> idle;
        for (int i = 0; i < 50; ++i) {
            idle.push_back(connectToPrimary());
            QVERIFY(idle.back());
            idle.back()->write(message.left(12));
            QVERIFY(idle.back()->waitForBytesWritten(2000));
        }
        QTRY_COMPARE_WITH_TIMEOUT(primary->connectionCount(), 0, 5000);
        for (auto &socket : idle)
            QVERIFY(closedByPeer(*socket));
        SingleApplicationPrivate::announcementTimeoutMs = 2000;
        // Whole announcements are still taken.
        QSignalSpy started(primary, &SingleApplicationPrivate::instanceStarted);
        auto next = connectToPrimary();
        QVERIFY(next);
        next->write(message);
        QTRY_COMPARE(started.count(), 1);
    }

    void malformedOrForeignAnnouncementsCloseTheSocket_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString key = primary->key();
        QByteArray badChecksum = SingleApplicationPrivate::announcement(key, 2, 1);
        badChecksum[badChecksum.size() - 1] = char(badChecksum.at(badChecksum.size() - 1) ^ 0x5a);
        QByteArray shortBody(8, 0);
        shortBody[7] = 2;
        shortBody += "ab";
        QTest::newRow("foreign key")
            << SingleApplicationPrivate::announcement("someone-else", 2, 1);
        QTest::newRow("bad checksum") << badChecksum;
        QTest::newRow("body too short to decode") << shortBody;
        QTest::newRow("absurd length") << QByteArray::fromHex("000000e8d4a51000");
    }
    void malformedOrForeignAnnouncementsCloseTheSocket()
    {
        QFETCH(QByteArray, bytes);
        QSignalSpy started(primary, &SingleApplicationPrivate::instanceStarted);
        QSignalSpy messages(primary, &SingleApplicationPrivate::receivedMessage);
        auto socket = connectToPrimary();
        QVERIFY(socket);
        socket->write(bytes);
        QVERIFY(closedByPeer(*socket));
        QCOMPARE(started.count(), 0);
        QCOMPARE(messages.count(), 0);
        // The primary keeps serving others.
        auto next = connectToPrimary();
        QVERIFY(next);
        next->write(SingleApplicationPrivate::announcement(primary->key(), 2, 9));
        QTRY_COMPARE(started.count(), 1);
    }

    void secondStartHandsOverToTheFirst()
    {
        Probe first;
        first.start();
        QVERIFY(first.waitFor("primary"));

        Probe second;
        second.start();
        QVERIFY(second.process->waitForFinished(5000));
        QCOMPARE(second.process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process->exitCode(), 0);
        QVERIFY(second.process->readAll().startsWith("secondary 1"));
        QVERIFY(first.waitFor("instanceStarted", 3000));

        Probe third;
        third.start();
        QVERIFY(third.process->waitForFinished(5000));
        QVERIFY(third.process->readAll().startsWith("secondary 2"));

        QVERIFY(first.quit());
        // The block was released: the next start is primary again.
        Probe again;
        again.start();
        QVERIFY(again.waitFor("primary"));
        QVERIFY(again.quit());
    }

    void crashedPrimaryIsReplaced()
    {
        Probe first;
        first.start();
        QVERIFY(first.waitFor("primary"));
        first.process->kill();
        QVERIFY(first.process->waitForFinished(3000));

        Probe next;
        next.start();
        QVERIFY(next.waitFor("primary", 5000));
        QVERIFY(next.quit());
    }

    void racingStartsEndWithExactlyOnePrimary()
    {
        QElapsedTimer timer;
        timer.start();
        Probe a, b;
        a.start();
        b.start();
        QVERIFY(a.process->waitForStarted() && b.process->waitForStarted());
        // One of them exits as secondary; the other stays primary.
        QTRY_VERIFY_WITH_TIMEOUT(a.process->state() == QProcess::NotRunning ||
                                     b.process->state() == QProcess::NotRunning,
                                 25000);
        Probe &secondary = a.process->state() == QProcess::NotRunning ? a : b;
        Probe &winner = &secondary == &a ? b : a;
        QCOMPARE(secondary.process->exitCode(), 0);
        QVERIFY(secondary.process->readAll().startsWith("secondary"));
        QVERIFY(winner.waitFor("primary"));
        QVERIFY(winner.waitFor("instanceStarted", 3000));
        QVERIFY(winner.quit());
        qInfo("race settled in %lld ms", timer.elapsed());
    }

    void cleanupTestCase() { primary->release(); }
};

QTEST_GUILESS_MAIN(TestSingleApplication)
#include "tst_singleapplication.moc"
