#include "core/browser/websiteapi.h"

#include "core/browser/bridgemessage.h"
#include "core/browser/sitecookies.h"
#include "core/foundation/applog.h"
#include "core/foundation/privatelistmanager.h"

#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

namespace {
const QString kTag = QStringLiteral("[WebsiteApi]");
constexpr int kMaxHeaders = 32;

bool isHeaderToken(const QString &name)
{
    static const QRegularExpression token(QStringLiteral("^[A-Za-z0-9!#$%&'*+.^_`|~-]{1,64}$"));
    return token.match(name).hasMatch();
}

QString unescaped(QString text)
{
    text.replace(QLatin1String("\\/"), QLatin1String("/"));
    text.replace(QLatin1String("\\u0026"), QLatin1String("&"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

void addResolved(QStringList *out, const QString &raw, const QUrl &base)
{
    const QString text = unescaped(raw.trimmed());
    if (text.startsWith(QLatin1String("blob:")) || text.startsWith(QLatin1String("data:")))
        return;
    const QUrl url = base.resolved(QUrl(text));
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return;
    const QString full = url.toString(QUrl::FullyEncoded);
    if (!out->contains(full))
        out->append(full);
}
} // namespace

struct WebsiteApi::Job
{
    QString url;
    QString metadata;
    QVariantMap headers;
    QStringList jsonLinks;
    WebsiteApi::Outcome outcome;
    // The analysis's own network access, whose cookie jar holds the page site's cookies.
    QPointer<QNetworkAccessManager> network;

    ~Job()
    {
        if (network)
            network->deleteLater();
    }
};

WebsiteApi::WebsiteApi(QObject *parent)
    : QObject(parent)
    , network(new QNetworkAccessManager(this))
{
}

void WebsiteApi::parse(const QByteArray &message)
{
    const std::optional<BridgeMessage> parsed = bridge::parseMessage(message);
    if (!parsed) {
        writeLog(QStringLiteral("[Error] "), kTag + QStringLiteral(" parse failed!"));
        return;
    }
    analyse(parsed->url, parsed->metadata);
}

namespace {
// What a log line may say of a page's analysis: nothing of a private page (an adult site while
// private mode is on), neither its address nor the media found on it.
QString forLog(const QString &page, const QString &text)
{
    const QString shown = PrivateListManager::instance()->addressForLog(page);
    return shown == page ? text : shown;
}
} // namespace

void WebsiteApi::analyse(const QString &url, const QString &metadata,
                         const QList<QNetworkCookie> &cookies, Outcome outcome)
{
    auto job = std::make_shared<Job>();
    job->url = url;
    job->outcome = std::move(outcome);
    job->metadata = bridge::pageMetadata(metadata);
    job->headers = bridge::httpHeaders(job->metadata);
    job->network = new QNetworkAccessManager(this);
    auto *jar = new QNetworkCookieJar(job->network);
    for (const QNetworkCookie &cookie :
         sitecookies::ofSite(cookies, sitecookies::siteOf(QUrl(url))))
        jar->insertCookie(cookie);
    job->network->setCookieJar(jar);
    writeLog(kTag, QStringLiteral("analyse %1").arg(forLog(url, url)));
    send(job->network, "GET", QUrl(url), job->headers, QByteArray(),
         [this, job](const Reply &reply) {
             if (!reply.error.isEmpty()) {
                 fail(job, reply.error);
                 return;
             }
             const QStringList media = findMedia(reply.body, reply.url);
             if (!media.isEmpty()) {
                 found(job, media.first());
                 return;
             }
             job->jsonLinks = findJsonLinks(reply.body, reply.url);
             nextJson(job);
         });
}

void WebsiteApi::nextJson(const std::shared_ptr<Job> &job)
{
    if (job->jsonLinks.isEmpty()) {
        fail(job, QStringLiteral("no media address found"));
        return;
    }
    const QUrl link(job->jsonLinks.takeFirst());
    QVariantMap headers = job->headers;
    headers.insert(QStringLiteral("Referer"), job->url);
    send(job->network, "GET", link, headers, QByteArray(), [this, job](const Reply &reply) {
        const QStringList media =
            reply.error.isEmpty() ? findMedia(reply.body, reply.url) : QStringList();
        if (media.isEmpty()) {
            nextJson(job);
            return;
        }
        found(job, media.first());
    });
}

void WebsiteApi::found(const std::shared_ptr<Job> &job, const QString &media)
{
    writeLog(kTag, QStringLiteral("found %1").arg(forLog(job->url, media)));
    Q_EMIT parseFinished(media, job->metadata);
    if (job->outcome)
        job->outcome(media, job->metadata);
}

void WebsiteApi::fail(const std::shared_ptr<Job> &job, const QString &reason)
{
    writeLog(kTag, QStringLiteral("analysis failed: %1 (%2)")
                       .arg(forLog(job->url, job->url), forLog(job->url, reason)));
    Q_EMIT parseFailed(job->url, reason);
    if (job->outcome)
        job->outcome(QString(), job->metadata);
}

void WebsiteApi::request(const QByteArray &method, const QUrl &url, const QVariantMap &headers,
                         const QByteArray &body, Done done)
{
    send(network, method, url, headers, body, std::move(done));
}

void WebsiteApi::send(QNetworkAccessManager *via, const QByteArray &method, const QUrl &url,
                      const QVariantMap &headers, const QByteArray &body, Done done)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // The page's cookies are in the jar; what the answers set is not kept.
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    int count = 0;
    for (auto it = headers.begin(); it != headers.end() && count < kMaxHeaders; ++it, ++count) {
        const QString name =
            it.key() == QLatin1String("UserAgent") ? QStringLiteral("User-Agent") : it.key();
        const QString value = it.value().toString();
        if (!isHeaderToken(name) || value.contains(QLatin1Char('\r')) ||
            value.contains(QLatin1Char('\n')))
            continue;
        request.setRawHeader(name.toLatin1(), value.toUtf8());
    }
    QNetworkReply *reply = method.compare("POST", Qt::CaseInsensitive) == 0
                               ? via->post(request, body)
                               : via->get(request);
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    auto timedOut = std::make_shared<bool>(false);
    auto tooLong = std::make_shared<bool>(false);
    auto elsewhere = std::make_shared<bool>(false);
    connect(reply, &QNetworkReply::redirected, reply, [reply, url, elsewhere](const QUrl &to) {
        if (sitecookies::sameSite(url, to)) {
            Q_EMIT reply->redirectAllowed();
            return;
        }
        *elsewhere = true;
        reply->abort();
    });
    connect(timer, &QTimer::timeout, reply, [reply, timedOut] {
        *timedOut = true;
        reply->abort();
    });
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply, tooLong](qint64 received) {
        if (received > kMaxBodyBytes && !*tooLong) {
            *tooLong = true;
            reply->abort();
        }
    });
    const QByteArray verb = method.toUpper();
    connect(reply, &QNetworkReply::finished, this,
            [reply, timedOut, tooLong, elsewhere, verb, done = std::move(done)] {
                Reply out;
                out.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                out.url = reply->url();
                if (*timedOut)
                    out.error = QStringLiteral("timeout");
                else if (*tooLong)
                    out.error = QStringLiteral("reply too long");
                else if (*elsewhere)
                    out.error = QStringLiteral("redirected to another site");
                else if (reply->error() != QNetworkReply::NoError)
                    out.error = reply->errorString();
                else
                    out.body = reply->read(kMaxBodyBytes);
                if (!out.error.isEmpty())
                    writeLog(QStringLiteral("[%1] httpCode: %2 Error: %3")
                                 .arg(QString::fromLatin1(verb))
                                 .arg(out.status)
                                 .arg(out.error));
                reply->deleteLater();
                done(out);
            });
    timer->start(timeoutMs);
}

QStringList WebsiteApi::findMedia(const QByteArray &bytes, const QUrl &base)
{
    const QString text = QString::fromUtf8(bytes.left(kMaxBodyBytes));
    QStringList out;
    static const QRegularExpression element(
        QStringLiteral("<(?:video|audio|source)\\b[^>]*?\\ssrc\\s*=\\s*[\"']([^\"']+)[\"']"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = element.globalMatch(text); it.hasNext();)
        addResolved(&out, it.next().captured(1), base);
    // Quoted addresses (attributes, script and JSON strings), then bare ones in text.
    static const QRegularExpression quoted(
        QStringLiteral("[\"']([^\"'\\s<>]+?\\.(?:m3u8|mp4)(?:\\?[^\"'\\s<>]*)?)[\"']"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = quoted.globalMatch(text); it.hasNext();)
        addResolved(&out, it.next().captured(1), base);
    static const QRegularExpression bare(
        QStringLiteral("https?:(?:\\\\?/){2}[^\\s\"'<>]+?\\.(?:m3u8|mp4)(?:\\?[^\\s\"'<>]*)?"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = bare.globalMatch(text); it.hasNext();)
        addResolved(&out, it.next().captured(0), base);
    return out;
}

QStringList WebsiteApi::findJsonLinks(const QByteArray &bytes, const QUrl &base, int limit)
{
    const QString text = QString::fromUtf8(bytes.left(kMaxBodyBytes));
    static const QRegularExpression json(
        QStringLiteral("[\"']([^\"'\\s<>]+?\\.json(?:\\?[^\"'\\s<>]*)?)[\"']"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList all;
    for (auto it = json.globalMatch(text); it.hasNext();)
        addResolved(&all, it.next().captured(1), base);
    QStringList out;
    for (const QString &link : all) {
        if (QUrl(link).host() == base.host() && out.size() < limit)
            out << link;
    }
    return out;
}
