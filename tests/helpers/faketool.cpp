// A scripted stand-in for the download tool. It reads the parameter file like the real one and
// acts out the scenario named by the address, "fake:NAME[?ms=N]" or "http://host/NAME[?ms=N]":
//   ok       sniff, three progress lines, a file in save_path, finished 0
//   split    the same, every line written in two parts with a pause between them
//   slow     progress every 100 ms for ms milliseconds, then as ok
//   fail     finished with ret_code 1
//   crash    sniff and progress, then an abort
//   hang     sniff, then nothing for a minute
//   live     a live sniff; an "ffmpeg_stub" child records until interrupted, then finished
//   badlines garbage, empty and short lines around a normal run
//   family   ignores termination requests and starts two stubborn "fakeproc" children that
//            die with it (as the real tool runs its children): one in its group, one in a group
//            of its own; writes the three pids into save_path/family.pids, then reports
//            progress until killed
//   longline a line of ms KiB without a newline, then a normal run
//   converted as ok, with a "converting" line before the end (download then convert)
// A parameter file with "sniff_only" prints a sniff line; one with "playlist" prints two
// batches of entries. A conversion-only file ("converter" with "input") acts on the input's
// name: "fail" fails, "wait" converts until a file named like the input plus ".go" appears,
// anything else converts at once; the result is the input's base name with the preset's name
// as suffix, in save_path.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>
#include <QUrlQuery>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/prctl.h>
#include <unistd.h>

static void say(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

static QByteArray line(const char *type, const QJsonObject &msg)
{
    return QJsonDocument(QJsonObject{{"type", type}, {"msg", msg}}).toJson(QJsonDocument::Compact) +
           '\n';
}

static int convert(const QJsonObject &c)
{
    const QString input = c.value("input").toString();
    const QString pid = QString::number(QCoreApplication::applicationPid());
    say("{\"type\":\"param\",\"msg\":{}}\n");
    say(line("converting", {{"progress", "0.0000"}, {"pid", pid}}));
    if (input.contains("fail")) {
        say(line("finished", {{"ret_code", "5"}, {"error", "ffmpeg failed: scripted failure"}}));
        return 5;
    }
    if (input.contains("wait")) {
        say(line("converting", {{"progress", "0.5000"}, {"pid", pid}}));
        for (int i = 0; i < 600 && !QFile::exists(input + ".go"); ++i)
            QThread::msleep(50);
    }
    const QString suffix = c.value("preset").toString().section('/', -1).section('.', 0, 0);
    const QString file = c.value("save_path").toString() + '/' +
                         input.section('/', -1).section('.', 0, 0) + '.' + suffix.toLower();
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(QByteArray(2048, 'x'));
    out.close();
    say(line("converting", {{"progress", "1.0000"}, {"pid", pid}}));
    say(line("finished", {{"ret_code", "0"},
                          {"filepath", file},
                          {"duration", "3.5"},
                          {"filesize", "2048"},
                          {"quality", "192Kb/s"},
                          {"resolution", c.contains("video") ? "1280x720" : ""}}));
    return 0;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QFile f(QString::fromLocal8Bit(argv[argc - 1]));
    f.open(QIODevice::ReadOnly);
    const QJsonObject root = QJsonDocument::fromJson(f.readAll()).object();
    if (root.isEmpty()) {
        say(line("finished", {{"ret_code", "3"}, {"error", "unreadable parameter file"}}));
        return 3;
    }
    if (root.value("sniff_only").toString() == "true") {
        say(line("sniff", {{"title", "Looked up " + root.value("url").toString()},
                           {"thumbnail", "http://127.0.0.1:9/thumb.jpg"},
                           {"is_live", "false"}}));
        return 0;
    }
    const QJsonObject c = root.value("converter").toObject();
    if (!root.contains("downloader") && !c.value("input").toString().isEmpty())
        return convert(c);
    const QJsonObject d = root.value("downloader").toObject();
    const QString url = d.value("url").toString();
    if (d.value("playlist").toString() == "true") {
        say("{\"type\":\"param\",\"msg\":{}}\n");
        QJsonArray first, second;
        for (int i = 1; i <= 3; ++i)
            first.append(QJsonObject{{"title", QString("Entry %1").arg(i)},
                                     {"url", QString("fake:ok?n=%1").arg(i)}});
        second.append(QJsonObject{{"title", "Entry 4"}, {"url", "fake:ok?n=4"}});
        const QByteArray a = line("playlist", {{"videos", first}});
        say(a.left(a.size() / 2)); // a line in two parts
        QThread::msleep(100);
        say(a.mid(a.size() / 2));
        say(line("playlist", {{"videos", second}}));
        return 0;
    }
    // "fake:NAME", or for pages that only take web addresses "http://host/NAME".
    const QString scenario = url.startsWith("http") ? url.section('?', 0, 0).section('/', -1)
                                                    : url.section(':', 1).section('?', 0, 0);
    const int ms = QUrlQuery(url.section('?', 1)).queryItemValue("ms").toInt();
    const QString saveDir = d.value("save_path").toString();
    QDir().mkpath(saveDir);
    const QString title = "Title of " + url;
    const QString file = saveDir + "/clip.mp4";
    const bool split = scenario == "split";
    auto emitLine = [split](const QByteArray &l) {
        if (!split) {
            say(l);
            return;
        }
        say(l.left(l.size() / 2));
        QThread::msleep(60);
        say(l.mid(l.size() / 2));
    };

    say("{\"type\":\"param\",\"msg\":{}}\n");
    if (scenario == "family") {
        std::signal(SIGTERM, SIG_IGN);
        std::signal(SIGINT, SIG_IGN);
        const QByteArray fakeproc =
            QFile::encodeName(QCoreApplication::applicationDirPath() + "/fakeproc");
        const pid_t self = ::getpid();
        QList<qint64> pids{qint64(self)};
        for (int own = 0; own < 2; ++own) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                if (own)
                    ::setpgid(0, 0);
                ::prctl(PR_SET_PDEATHSIG, SIGKILL);
                // Killed before the line above took effect, the tool would never stop us.
                if (::getppid() != self)
                    ::_exit(127);
                const int devnull = ::open("/dev/null", O_WRONLY);
                ::dup2(devnull, 1);
                ::execl(fakeproc.constData(), fakeproc.constData(), "stubborn", nullptr);
                ::_exit(127);
            }
            pids << pid;
        }
        QFile list(saveDir + "/family.pids");
        list.open(QIODevice::WriteOnly);
        for (qint64 pid : pids)
            list.write(QByteArray::number(pid) + '\n');
        list.close();
        emitLine(line("sniff", {{"title", title}, {"is_live", "false"}, {"filepath", file}}));
        for (;;) {
            emitLine(line("downloading", {{"progress", "0.1"}, {"filesize", "1000"}}));
            QThread::msleep(100);
        }
    }
    if (scenario == "longline") {
        const QByteArray chunk(1024, 'x');
        for (int i = 0; i < ms; ++i)
            say(chunk);
    }
    if (scenario == "badlines")
        say("not json at all\n\r\n{}\n{\"type\":\"mystery\",\"msg\":{}}\n\n");
    if (scenario == "live") {
        const QString recording = saveDir + "/recording.mkv";
        emitLine(line(
            "sniff",
            {{"title", title}, {"is_live", "true"}, {"filepath", recording}, {"thumbnail", ""}}));
        QProcess recorder;
        recorder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        recorder.start(QCoreApplication::applicationDirPath() + "/ffmpeg_stub",
                       {"marker-on-int", recording});
        recorder.waitForStarted();
        while (recorder.state() == QProcess::Running) {
            emitLine(
                line("downloading",
                     {{"progress", "0"}, {"filesize", "1000"}, {"speed", "1KB/s"}, {"eta", "0"}}));
            recorder.waitForFinished(200);
        }
        emitLine(line("finished", {{"ret_code", "0"}, {"filepath", recording}}));
        return 0;
    }
    emitLine(line("sniff",
                  {{"title", title}, {"thumbnail", ""}, {"is_live", "false"}, {"filepath", file}}));
    if (scenario == "hang") {
        QThread::sleep(60);
        return 0;
    }
    const int steps = scenario == "slow" ? qMax(1, ms / 100) : 3;
    for (int i = 1; i <= steps; ++i) {
        emitLine(line("downloading", {{"progress", QString::number(double(i) / steps, 'f', 4)},
                                      {"filesize", "1000"},
                                      {"speed", "1.0KB/s"},
                                      {"eta", QString::number(steps - i)}}));
        if (scenario == "slow")
            QThread::msleep(100);
        if (scenario == "crash" && i == 2)
            std::abort();
    }
    if (scenario == "fail") {
        emitLine(line("finished", {{"ret_code", "1"}, {"error", "scripted failure"}}));
        return 1;
    }
    if (scenario == "converted")
        emitLine(line("converting", {{"progress", "1.0000"}}));
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(QByteArray(1000, 'x'));
    out.close();
    QFile sub(saveDir + "/clip.en.srt");
    if (d.contains("subtitle") && sub.open(QIODevice::WriteOnly))
        sub.write("1\n00:00:00,000 --> 00:00:01,000\nhello\n");
    emitLine(line("finished",
                  {{"ret_code", "0"},
                   {"filepath", file},
                   {"subtitle", d.contains("subtitle") ? saveDir + "/clip.en.srt" : QString()},
                   {"duration", "5"},
                   {"filetype", "MP4"},
                   {"quality", "160Kb/s"},
                   {"filesize", "1000"},
                   {"resolution", "640x360"}}));
    if (scenario == "badlines")
        say("\r\n");
    return 0;
}
