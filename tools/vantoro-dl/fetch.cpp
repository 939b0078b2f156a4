#include "fetch.h"

#include "child.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QTimer>
#include <QUrl>

namespace fetch {

QByteArray get(const QString &url, const Options &options)
{
    QNetworkAccessManager manager;
    if (!options.proxy.isEmpty()) {
        const QUrl p = QUrl::fromUserInput(options.proxy);
        manager.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, p.host(), quint16(p.port(8080)),
                                       p.userName(), p.password()));
    }
    // Cookies live in the jar, which gives each request (a redirected one too) only those of
    // its own host; never a "Cookie" header, which would follow a redirect anywhere.
    auto *jar = new QNetworkCookieJar(&manager);
    for (const QNetworkCookie &cookie : options.cookies)
        jar->insertCookie(cookie);
    manager.setCookieJar(jar);
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    for (const auto &header : options.headers)
        request.setRawHeader(header.first, header.second);
    if (!options.checkCertificate) {
        QSslConfiguration ssl = request.sslConfiguration();
        ssl.setPeerVerifyMode(QSslSocket::VerifyNone);
        request.setSslConfiguration(ssl);
    }
    QNetworkReply *reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(options.timeoutMs, &loop, &QEventLoop::quit);
    // An interrupt of the tool ends the wait too.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&loop] {
        if (child::interrupted())
            loop.quit();
    });
    watch.start(100);
    loop.exec();
    QByteArray body;
    // A playlist is small; anything far larger is not one.
    if (reply->isFinished() && reply->error() == QNetworkReply::NoError)
        body = reply->read(4 * 1024 * 1024);
    reply->abort();
    delete reply;
    return body;
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
