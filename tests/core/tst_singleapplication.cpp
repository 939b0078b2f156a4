#include "core/foundation/singleinstance.h"
#include "core/platform/platform.h"
#include "helpers/fixture.h"

#include <QLocalSocket>
#include <QScopeGuard>

#include <pwd.h>
#include <vector>

class TestSingleApplication : public QObject
{
    Q_OBJECT

    SingleApplicationPrivate *primary = nullptr;
    QTemporaryDir runtime; // the session's private runtime folder

    std::unique_ptr<QLocalSocket> connectToPrimary()
    {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(primary->serverPath());
        if (!socket->waitForConnected(2000))
            return nullptr;
        return socket;
    }

    static bool closedByPeer(QLocalSocket &socket, int timeoutMs = 2000)
    {
        return QTest::qWaitFor([&socket] { return socket.state() != QLocalSocket::ConnectedState; },
                               timeoutMs);
    }

    // A start of Clipmoor's single-instance application in a process of its own
    // (helpers/singleapp_probe.cpp), with this test's home and runtime folder unless told.
    struct Probe
    {
        std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
        QByteArray output;
        void start(const QStringList &arguments = {}, const QMap<QString, QString> &env = {})
        {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (auto it = env.begin(); it != env.end(); ++it)
                environment.insert(it.key(), it.value());
            process->setProcessEnvironment(environment);
            process->start(testutil::helperPath("singleapp_probe"), arguments);
        }
        void startAs(const QString &user, const QString &program, const QString &home)
        {
            // Leaks are checked in this user's starts (the sanitized suite's suppressions are not
            // theirs to read).
            process->start("runuser",
                           {"-u", user, "--", "env", "-i", "HOME=" + home, "PATH=/usr/bin:/bin",
                            "QT_QPA_PLATFORM=offscreen", "ASAN_OPTIONS=detect_leaks=0", program});
        }
        bool waitFor(const QByteArray &text, int timeoutMs = 10000)
        {
            return testutil::waitForOutput(*process, text, &output, timeoutMs);
        }
        // A start that hands over and exits: its whole output, once it has ended with 0.
        QByteArray finish()
        {
            if (!process->waitForFinished(10000) || process->exitCode() != 0)
                return "exit " + QByteArray::number(process->exitCode()) + ": " +
                       process->readAllStandardError();
            return process->readAll();
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
        fixture::testMode();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        primary = new SingleApplicationPrivate(
            SingleApplicationPrivate::NotifyPrimaryOnSecondaryStart, this);
        QCOMPARE(primary->start(true, 1000), SingleApplicationPrivate::Outcome::Primary);
        QCOMPARE(primary->instanceNumber(), 0);
        QCOMPARE(primary->primaryPid(), QCoreApplication::applicationPid());
    }

    // The key names the user and the data folder; the socket and the lock are in the private
    // runtime folder, the socket for this user only.
    void keyAndFilesArePrivate()
    {
        const QString key = primary->key();
        QCOMPARE(key.size(), 44); // Base64 of 32 bytes
        QVERIFY(!key.contains('/'));
        QCOMPARE(SingleApplicationPrivate::computeKey(), key);
        QCOMPARE(QFileInfo(primary->serverPath()).absolutePath(), runtime.path());
        QCOMPARE(QFileInfo(primary->lockPath()).absolutePath(), runtime.path());
        QCOMPARE(QFileInfo(primary->serverPath()).permissions() &
                     (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                 QFile::Permissions());

        // Without a runtime folder of the session: a folder of ours, mode 0700, in /tmp.
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir tmp; // the machine's /tmp is left alone
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        qunsetenv("XDG_RUNTIME_DIR");
        const QString fallback = platform::privateRuntimeFolder();
        qputenv("XDG_RUNTIME_DIR", saved);
        qunsetenv("TMPDIR");
        QCOMPARE(fallback, tmp.path() + "/clipmoor-" + QString::number(platform::userId()));
        QCOMPARE(QFileInfo(fallback).permissions() & 0x0077, QFile::Permissions());
    }

    // The announcement raises; the messages after it arrive whole, however they are cut up; a
    // damaged one closes the connection.
    void announcementRaisesAndMessagesArriveWhole()
    {
        QSignalSpy started(primary, &SingleApplicationPrivate::instanceStarted);
        QSignalSpy messages(primary, &SingleApplicationPrivate::receivedMessage);
        auto socket = connectToPrimary();
        QVERIFY(socket);
        socket->write(SingleApplicationPrivate::announcement(primary->key(), 2, 7) +
                      SingleApplicationPrivate::messageFrame("hello"));
        QTRY_COMPARE(started.count(), 1);
        QTRY_COMPARE(messages.count(), 1);
        QCOMPARE(messages.at(0).at(0).toUInt(), 7u);
        QCOMPARE(messages.at(0).at(1).toByteArray(), QByteArray("hello"));
        const QByteArray more = SingleApplicationPrivate::messageFrame(QByteArray(3000, 'm'));
        socket->write(more.left(5));
        QVERIFY(socket->waitForBytesWritten(2000));
        socket->write(more.mid(5, 100));
        QVERIFY(socket->waitForBytesWritten(2000));
        socket->write(more.mid(105));
        QTRY_COMPARE(messages.count(), 2);
        QCOMPARE(messages.at(1).at(1).toByteArray(), QByteArray(3000, 'm'));
        QCOMPARE(socket->state(), QLocalSocket::ConnectedState);

        QByteArray damaged = SingleApplicationPrivate::messageFrame("evil");
        damaged[10] = 'E';
        socket->write(damaged);
        QVERIFY(closedByPeer(*socket));
        QCOMPARE(messages.count(), 2);
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
        // A whole announcement sent afterwards on another connection is taken (a refused
        // secondary raises too); the partial one still waits for the rest of its body.
        auto later = connectToPrimary();
        QVERIFY(later);
        later->write(SingleApplicationPrivate::announcement(primary->key(), 1, 0));
        QTRY_COMPARE(started.count(), 1);
        QCOMPARE(socket->state(), QLocalSocket::ConnectedState);
        socket->write(message.mid(18));
        QTRY_COMPARE(started.count(), 2);
    }

    // Connections that never finish their announcement are dropped after a while, so that they
    // cannot pile up.
    void idleConnectionsAreDropped()
    {
        SingleApplicationPrivate::announcementTimeoutMs = 200;
        const QByteArray message = SingleApplicationPrivate::announcement(primary->key(), 2, 3);
        std::vector<std::unique_ptr<QLocalSocket>> idle;
        for (int i = 0; i < 30; ++i) {
            idle.push_back(connectToPrimary());
            QVERIFY(idle.back());
            idle.back()->write(message.left(12));
            QVERIFY(idle.back()->waitForBytesWritten(2000));
        }
        QTRY_COMPARE_WITH_TIMEOUT(primary->connectionCount(), 0, 5000);
        for (auto &socket : idle)
            QVERIFY(closedByPeer(*socket));
        SingleApplicationPrivate::announcementTimeoutMs = 2000;
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
        QTest::newRow("absurd message length")
            << SingleApplicationPrivate::announcement(key, 2, 1) +
                   QByteArray::fromHex("0000000100000000");
    }
    void malformedOrForeignAnnouncementsCloseTheSocket()
    {
        QFETCH(QByteArray, bytes);
        QSignalSpy messages(primary, &SingleApplicationPrivate::receivedMessage);
        auto socket = connectToPrimary();
        QVERIFY(socket);
        socket->write(bytes);
        QVERIFY(closedByPeer(*socket));
        QCOMPARE(messages.count(), 0);
        // The primary keeps serving others.
        QSignalSpy started(primary, &SingleApplicationPrivate::instanceStarted);
        auto next = connectToPrimary();
        QVERIFY(next);
        next->write(SingleApplicationPrivate::announcement(primary->key(), 2, 9));
        QTRY_COMPARE(started.count(), 1);
    }

    // Address lists survive the trip; anything else is refused whole.
    void addressListsAreBoundedAndChecked()
    {
        QStringList addresses{"https://a.example/1", "ftp://b.example/2", "", "http://ü.example"};
        QStringList decoded;
        QVERIFY(instancemessage::decodeAddresses(instancemessage::encodeAddresses(addresses),
                                                 &decoded));
        QCOMPARE(decoded, addresses);
        for (int i = 0; i < 1100; ++i)
            addresses << QString(9000, 'x');
        QVERIFY(instancemessage::decodeAddresses(instancemessage::encodeAddresses(addresses),
                                                 &decoded));
        QCOMPARE(decoded.size(), instancemessage::kMaxAddresses);
        QCOMPARE(decoded.last().size(), instancemessage::kMaxAddressLength);
        QByteArray cut = instancemessage::encodeAddresses({"https://a.example/1"});
        QVERIFY(!instancemessage::decodeAddresses(cut.left(cut.size() - 1), &decoded));
        QVERIFY(!instancemessage::decodeAddresses(cut + "x", &decoded));
        QVERIFY(!instancemessage::decodeAddresses("hello", &decoded));
    }

    // A second start hands its addresses over to the first and exits; another data folder of
    // the same user (a portable copy) runs side by side. A primary killed outright leaves its
    // socket and its lock file; the next start takes the lock (the system released it), replaces
    // the socket and answers later starts.
    void secondStartHandsOverToTheFirst()
    {
        Probe first;
        first.start();
        QVERIFY(first.waitFor("primary"));
        Probe second;
        second.start({"https://a.example/1", "ftp://b.example/2"});
        QVERIFY(second.finish().startsWith("secondary 1"));
        QVERIFY(first.waitFor("instanceStarted", 3000));
        QVERIFY(first.waitFor("addresses https://a.example/1 ftp://b.example/2", 3000));
        Probe third;
        third.start();
        QVERIFY(third.finish().startsWith("secondary 2"));
        QTemporaryDir other;
        Probe portable;
        portable.start({}, {{"XDG_DATA_HOME", other.path()}});
        QVERIFY(portable.waitFor("primary"));
        QVERIFY(portable.quit());

        const QStringList left =
            QDir(runtime.path()).entryList({"clipmoor-*"}, QDir::System | QDir::Files);
        first.process->kill();
        QVERIFY(first.process->waitForFinished(3000));
        QCOMPARE(QDir(runtime.path()).entryList({"clipmoor-*"}, QDir::System | QDir::Files), left);
        QVERIFY(left.join(' ').contains(".sock"));
        Probe next;
        next.start();
        QVERIFY(next.waitFor("primary", 5000));
        Probe later;
        later.start({"https://c.example/3"});
        QVERIFY(later.finish().startsWith("secondary"));
        QVERIFY(next.waitFor("addresses https://c.example/3", 3000));
        QVERIFY(next.quit());
    }

    // Another user on the same machine starts a Clipmoor of their own while ours runs.
    void twoUsersRunSideBySide()
    {
        if (platform::userId() != 0 || !QFileInfo::exists("/usr/sbin/useradd"))
            QSKIP("needs root and useradd: a throwaway user starts the second Clipmoor");
        const QString user = QStringLiteral("clipmoort%1").arg(QCoreApplication::applicationPid());
        QCOMPARE(QProcess::execute("useradd", {"--system", "--no-create-home", "--shell",
                                               "/usr/sbin/nologin", user}),
                 0);
        const passwd *account = ::getpwnam(qPrintable(user));
        QVERIFY(account);
        const QString theirFolder = "/tmp/clipmoor-" + QString::number(account->pw_uid);
        const auto removeUser = qScopeGuard([&] {
            QProcess::execute("userdel", {user});
            QDir(theirFolder).removeRecursively();
        });
        // Their home, and a copy of the probe they may run.
        QTemporaryDir shared;
        QFile::setPermissions(shared.path(), QFile::Permissions(0x7755));
        const QString program = shared.path() + "/singleapp_probe";
        QVERIFY(QFile::copy(testutil::helperPath("singleapp_probe"), program));
        QDir().mkpath(shared.path() + "/home");
        QCOMPARE(QProcess::execute("chown", {user, shared.path() + "/home"}), 0);

        Probe ours;
        ours.start();
        QVERIFY(ours.waitFor("primary"));
        Probe theirs, theirSecond;
        theirs.startAs(user, program, shared.path() + "/home");
        QVERIFY2(theirs.waitFor("primary"),
                 (theirs.output + theirs.process->readAllStandardError()).constData());
        theirSecond.startAs(user, program, shared.path() + "/home");
        const QByteArray second = theirSecond.finish();
        QVERIFY2(second.startsWith("secondary 1"), second.constData());
        QVERIFY(theirs.waitFor("instanceStarted"));
        QVERIFY(!ours.output.contains("instanceStarted"));
        QVERIFY(QFileInfo(theirFolder).isDir());
        QVERIFY(theirs.quit() && ours.quit());
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
