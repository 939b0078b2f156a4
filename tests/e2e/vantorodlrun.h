#pragma once

// Running the real vantoro-dl from a test: parameter files, the lines it prints, and checks on
// the processes it leaves behind.

#include "helpers/fixture.h"

#include <QEventLoop>

#include <csignal>
#include <functional>

struct ToolRun
{
    int exitCode = -1;
    bool timedOut = false;
    qint64 elapsedMs = 0;
    QList<QJsonObject> lines;
    QByteArray stdOut;
    QByteArray stdErr;

    QList<QJsonObject> ofType(const QString &type) const
    {
        QList<QJsonObject> found;
        for (const QJsonObject &l : lines) {
            if (l.value("type").toString() == type)
                found << l.value("msg").toObject();
        }
        return found;
    }
    QJsonObject finished() const { return ofType("finished").value(0); }
    // The values of those keys of a payload, to compare as one list.
    static QStringList fields(const QJsonObject &msg, const QStringList &keys)
    {
        QStringList values;
        for (const QString &key : keys)
            values << msg.value(key).toString();
        return values;
    }
    // The types of the lines printed, in order.
    QStringList types() const
    {
        QStringList found;
        for (const QJsonObject &l : lines)
            found << l.value("type").toString();
        return found;
    }
    QByteArray describe() const
    {
        QByteArray text = "exit " + QByteArray::number(exitCode) + "\n";
        for (const QJsonObject &l : lines)
            text += QJsonDocument(l).toJson(QJsonDocument::Compact).left(400) + '\n';
        return text + stdErr.right(2000);
    }
};

class ToolHarness
{
public:
    QTemporaryDir work;
    int jobCounter = 0;

    static QString tool() { return testutil::helperPath("../bin/vantoro-dl"); }
    static QString preset(const QString &name)
    {
        return testutil::helperPath("../bin/OneClickedType/" + name + ".json");
    }

    QString newJobDir() { return work.path() + QStringLiteral("/job%1").arg(++jobCounter); }

    QString writeRaw(const QByteArray &bytes)
    {
        return testutil::writeFile(
            work.path() + QStringLiteral("/params/p%1.json").arg(++jobCounter), bytes);
    }
    QString writeParams(const QJsonObject &params)
    {
        return writeRaw(QJsonDocument(params).toJson());
    }

    QJsonObject downloadParams(const QString &url, const QString &saveDir,
                               const QJsonObject &extra = QJsonObject()) const
    {
        QJsonObject d{{"url", url},
                      {"save_path", saveDir},
                      {"media_type", "video"},
                      {"video_quality", "1080P"},
                      {"audio_quality", "320Kb/s"},
                      {"read_cookie", "false"},
                      {"add_playlist_index", "false"},
                      {"save_id3", "true"}};
        for (auto it = extra.begin(); it != extra.end(); ++it)
            d.insert(it.key(), it.value());
        return {{"log_path", work.path()},
                {"ffmpeg_location", "/usr/bin"},
                {"downloader", d},
                {"converter", QJsonObject{{"input", "downloader"},
                                          {"save_path", "downloader"},
                                          {"isNeedConvert", "false"}}}};
    }

    QJsonObject convertParams(const QString &input, const QString &presetName,
                              const QString &saveDir,
                              const QJsonObject &extra = QJsonObject()) const
    {
        QJsonObject c{{"input", input},
                      {"preset", preset(presetName)},
                      {"save_path", saveDir},
                      {"isNeedConvert", "true"}};
        for (auto it = extra.begin(); it != extra.end(); ++it)
            c.insert(it.key(), it.value());
        return {{"ffmpeg_location", "/usr/bin"}, {"log_path", work.path()}, {"converter", c}};
    }

    // Runs the tool while this event loop keeps serving; `during` may act on the running tool.
    static ToolRun run(const QString &paramFile, int timeoutMs = 60000,
                       const std::function<void(QProcess &, const ToolRun &)> &during = nullptr,
                       const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
                       const QString &program = tool())
    {
        ToolRun result;
        QProcess process;
        process.setProcessEnvironment(env);
        QByteArray pending;
        QElapsedTimer timer;
        timer.start();
        QEventLoop loop;
        QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, [&] {
            const QByteArray bytes = process.readAllStandardOutput();
            result.stdOut += bytes;
            pending += bytes;
            int end;
            while ((end = pending.indexOf('\n')) >= 0) {
                result.lines << QJsonDocument::fromJson(pending.left(end)).object();
                pending.remove(0, end + 1);
            }
        });
        QObject::connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop,
                         &QEventLoop::quit);
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
            if (during && process.state() == QProcess::Running)
                during(process, result);
            if (timer.elapsed() > timeoutMs) {
                result.timedOut = true;
                loop.quit();
            }
        });
        tick.start(50);
        process.start(program, {paramFile});
        loop.exec();
        if (result.timedOut) {
            process.kill();
            process.waitForFinished();
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.stdErr = process.readAllStandardError();
        result.elapsedMs = timer.elapsed();
        return result;
    }

    static QString resolutionOf(const QString &path)
    {
        const QJsonObject video = testutil::streamOf(path, "video");
        return video.isEmpty() ? QString()
                               : QStringLiteral("%1x%2")
                                     .arg(video.value("width").toInt())
                                     .arg(video.value("height").toInt());
    }
    static double durationOf(const QString &path)
    {
        const QJsonObject format = testutil::probe(path).value("format").toObject();
        return format.value("duration").toString().toDouble();
    }
};
