#include "fetch.h"

#include "child.h"

#include <QUrl>

namespace fetch {

QByteArray get(const QString &url, const Options &options)
{
    const QString curl = child::find(QStringLiteral("curl"));
    if (curl.isEmpty())
        return QByteArray();
    constexpr int kMaxBody = 4 * 1024 * 1024; // a playlist is small; anything larger is not one
    QStringList args{"--silent",
                     "--fail",
                     "--location",
                     "--max-redirs",
                     "10",
                     "--proto",
                     "=http,https",
                     "--proto-redir",
                     "=http,https",
                     "--max-filesize",
                     QString::number(kMaxBody),
                     "--max-time",
                     QString::number(qMax(1, options.timeoutMs / 1000))};
    if (!options.checkCertificate)
        args << "--insecure";
    if (!options.proxy.isEmpty())
        args << "--proxy" << options.proxy;
    // curl's cookie engine gives each request, a redirected one too, only the cookies of its
    // own host; the file is only read.
    if (!options.cookieFile.isEmpty())
        args << "--cookie" << options.cookieFile;
    for (const auto &header : options.headers)
        args << "--header" << QString::fromUtf8(header.first + ": " + header.second);
    args << "--url" << url;
    QByteArray body;
    bool tooLarge = false;
    child::Run run;
    run.program = curl;
    run.arguments = args;
    run.timeoutMs = options.timeoutMs + 2000;
    run.onLine = [&](const QByteArray &line) {
        if (body.size() + line.size() > kMaxBody)
            tooLarge = true;
        else
            body += line + '\n';
    };
    run.onTick = [&tooLarge](child::Process &process) {
        if (tooLarge)
            process.stopGroup(0);
    };
    const child::Result r = run.exec();
    return r.started && !r.crashed && r.exitCode == 0 && !tooLarge ? body : QByteArray();
}

bool isLiveHls(const QString &url, const Options &options)
{
    QString current = url;
    for (int depth = 0; depth < 3; ++depth) {
        const QByteArray manifest = get(current, options);
        if (!manifest.startsWith("#EXTM3U"))
            return false;
        if (!manifest.contains("#EXT-X-STREAM-INF"))
            return !manifest.contains("#EXT-X-ENDLIST");
        // A master playlist: look at its first variant.
        const QList<QByteArray> lines = manifest.split('\n');
        QString variant;
        for (int i = 0; i < lines.size() && variant.isEmpty(); ++i) {
            if (lines.at(i).startsWith("#EXT-X-STREAM-INF")) {
                for (int j = i + 1; j < lines.size(); ++j) {
                    const QByteArray candidate = lines.at(j).trimmed();
                    if (!candidate.isEmpty() && !candidate.startsWith('#')) {
                        variant = QString::fromUtf8(candidate);
                        break;
                    }
                }
            }
        }
        if (variant.isEmpty())
            return false;
        current = QUrl(current).resolved(QUrl(variant)).toString();
    }
    return false;
}

} // namespace fetch
