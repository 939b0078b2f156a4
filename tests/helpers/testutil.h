#pragma once

// Small helpers shared by the tests.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>
#include <tuple>
#include <type_traits>

namespace testutil {

// Every test executable runs against its own throw-away home, so its data and settings
// locations (test mode puts them below ~/.qttest) are shared with no other test running at the
// same time, and never with the user's. Call before anything opens the settings store.
inline void enterTestMode()
{
    static QTemporaryDir home(QDir::tempPath() + "/clipmoor-test-XXXXXX");
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
}

// The settings file as it is stored, key by key: for checks of the file itself (its keys, a key
// that must stay absent) and for removing a setting altogether.
inline QSettings storedSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Clipmoor"),
                     QStringLiteral("Clipmoor"));
}

// Deadlines for waits on another process of ours (the app starting, a helper answering): under
// AddressSanitizer every allocation walks the stack, and a start that takes 2 s alone can take
// several times that beside other tests, so such deadlines are stretched there. A wait still
// ends the moment its condition holds.
#if defined(__SANITIZE_ADDRESS__)
constexpr int deadlineScale = 4;
#else
constexpr int deadlineScale = 1;
#endif
constexpr int deadline(int ms)
{
    return ms * deadlineScale;
}

inline QString helperPath(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

// Waits until a line containing `needle` was printed on the process's standard output.
inline bool waitForOutput(QProcess &process, const QByteArray &needle, QByteArray *seen,
                          int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!seen->contains(needle)) {
        if (timer.elapsed() > timeoutMs)
            return false;
        if (process.state() == QProcess::NotRunning) {
            seen->append(process.readAll());
            return seen->contains(needle);
        }
        process.waitForReadyRead(100);
        seen->append(process.readAll());
    }
    return true;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a file (and its folders); returns its path.
inline QString writeFile(const QString &path, const QByteArray &content = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

// Writes a script the owner may run; returns its path.
inline QString writeScript(const QString &path, const QByteArray &content)
{
    QFile(writeFile(path, content))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// Runs ffmpeg (quietly, overwriting) to make test media.
inline bool runFfmpeg(const QStringList &args)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{"-hide_banner", "-loglevel", "error", "-y"} + args);
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitCode() == 0;
}

// A short test clip: colour bars and a tone, `seconds` long.
inline bool makeClip(const QString &path, int seconds,
                     const QString &size = QStringLiteral("640x360"))
{
    return runFfmpeg(QStringList{"-f", "lavfi", "-i", "testsrc=size=" + size + ":rate=25", "-f",
                                 "lavfi", "-i", "sine=frequency=440", "-t",
                                 QString::number(seconds)} +
                     QStringLiteral("-c:v libx264 -pix_fmt yuv420p -g 25 -c:a aac -shortest")
                         .split(QLatin1Char(' ')) +
                     QStringList{path});
}

// One-second HLS segments seg000.ts, seg001.ts, ... of a `seconds` long stream in `folder`.
inline bool makeHlsSegments(const QString &folder, int seconds)
{
    QDir().mkpath(folder);
    return runFfmpeg(
        QStringList{"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25", "-f", "lavfi", "-i",
                    "sine=frequency=300", "-t", QString::number(seconds)} +
        QStringLiteral("-c:v libx264 -pix_fmt yuv420p -g 25 -sc_threshold 0 -c:a aac "
                       "-shortest -f hls -hls_time 1 -hls_list_size 0")
            .split(QLatin1Char(' ')) +
        QStringList{"-hls_segment_filename", folder + "/seg%03d.ts", folder + "/all.m3u8"});
}

// What ffprobe says of a media file: its "format" and its "streams".
inline QJsonObject probe(const QString &path)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
                  {"-v", "error", "-print_format", "json", "-show_format", "-show_streams", path});
    ffprobe.waitForFinished(30000);
    return QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
}

// The file's first stream of a kind ("video", "audio"); empty when it has none.
inline QJsonObject streamOf(const QString &path, const QString &kind)
{
    for (const QJsonValue &v : probe(path).value(QStringLiteral("streams")).toArray()) {
        if (v.toObject().value(QStringLiteral("codec_type")).toString() == kind)
            return v.toObject();
    }
    return QJsonObject();
}

// The facts the expected list names, in its order, as "key=value" ("key" alone for one that is
// absent), so that one comparison shows them all and names the one that differs. A key of a
// JSON object may be a path ("video/resolution"); objects and arrays read as compact JSON.
template <typename Lookup> QStringList fieldsBy(const QStringList &expected, Lookup lookup)
{
    QStringList out;
    for (const QString &want : expected) {
        const QString key = want.section(QLatin1Char('='), 0, 0);
        const QVariant value = lookup(key);
        const bool nested = value.type() == QVariant::Map || value.type() == QVariant::List;
        const QString text = nested
                                 ? QJsonDocument::fromVariant(value).toJson(QJsonDocument::Compact)
                                 : value.toString();
        out << (value.isValid() ? key + '=' + text : key);
    }
    return out;
}

inline QStringList fields(const QJsonObject &object, const QStringList &expected)
{
    return fieldsBy(expected, [&object](const QString &path) {
        QJsonValue value = object;
        for (const QString &part : path.split(QLatin1Char('/')))
            value = value.toObject().value(part);
        return value.isUndefined() ? QVariant() : value.toVariant();
    });
}

inline QStringList fields(const QSettings &settings, const QStringList &expected)
{
    return fieldsBy(expected, [&settings](const QString &key) {
        return settings.contains(key) ? settings.value(key) : QVariant();
    });
}

// Each "input -> output" of the expected list with the output `function` gives for the input,
// so that one comparison shows every case and names the input whose output differs. The input
// is passed as text, or as a number to a function of one.
template <typename Function> QStringList mapped(Function function, const QStringList &expected)
{
    const QString arrow = QStringLiteral(" -> ");
    QStringList out;
    for (const QString &want : expected) {
        const QString input = want.section(arrow, 0, 0);
        if constexpr (std::is_invocable_v<Function, QString>)
            out << input + arrow + QVariant::fromValue(function(input)).toString();
        else // a function of a number
            out << input + arrow + QVariant::fromValue(function(input.toLongLong())).toString();
    }
    return out;
}

// Declares the columns of a data function and adds a row for each {name, values...}:
//     testutil::addRows<QString, int>({"path", "code"}, {{"missing", "x.mp4", 404},
//                                                        {"there", "clip.mp4", 200}});
template <typename... Columns>
void addRows(const std::array<const char *, sizeof...(Columns)> &columns,
             std::initializer_list<std::tuple<const char *, Columns...>> rows)
{
    int i = 0;
    (QTest::addColumn<Columns>(columns[i++]), ...);
    for (const auto &row : rows)
        std::apply(
            [](const char *name, const auto &...values) { (QTest::newRow(name) << ... << values); },
            row);
}

} // namespace testutil

// Compares the facts of a JSON object or a settings store with "key=value" (or "key" for an
// absent one) strings, in one comparison.
#define COMPARE_FIELDS(object, ...)                                                                \
    do {                                                                                           \
        const QStringList expected_{__VA_ARGS__};                                                  \
        QCOMPARE(testutil::fields(object, expected_), expected_);                                  \
    } while (false)

// Compares a function's outputs with "input -> output" strings, in one comparison.
#define COMPARE_MAPPED(function, ...)                                                              \
    do {                                                                                           \
        const QStringList expected_{__VA_ARGS__};                                                  \
        QCOMPARE(testutil::mapped(function, expected_), expected_);                                \
    } while (false)
