#pragma once

// Our own analysis of a page whose script could not hand over a media address ("direct": false):
// the page is requested with the page's allowed headers (referer, user agent, ...) and the
// cookies of its site (in a cookie jar of the analysis's own, so they go only where their domain
// says; a redirect to another site is not followed), and the media address is looked for in it (a
// <video>, <audio> or <source> address, an .m3u8 or .mp4 address) and, failing that, in the JSON
// files the page names. Success emits parseFinished(media address, metadata); a failure is logged
// and emits nothing but parseFailed. Streams with content protection are not handled. Everything is
// asynchronous.

#include <QByteArray>
#include <QList>
#include <QNetworkCookie>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

#include <functional>
#include <memory>

class QNetworkAccessManager;

class WebsiteApi : public QObject
{
    Q_OBJECT
public:
    struct Reply
    {
        int status = 0; // HTTP status, 0 when no answer came
        QByteArray body;
        QString error; // empty on success
        QUrl url;      // after redirects
    };
    using Done = std::function<void(const Reply &reply)>;
    // How an analysis ended: the media address found (empty when none) and the metadata.
    using Outcome = std::function<void(const QString &url, const QString &metadata)>;

    static constexpr int kDefaultTimeoutMs = 20000;
    static constexpr qint64 kMaxBodyBytes = 8 * 1024 * 1024;

    explicit WebsiteApi(QObject *parent = nullptr);

    void setTimeout(int ms) { timeoutMs = ms; }

    // Starts the analysis of one bridge message ({"url", "metadata"}), without cookies.
    void parse(const QByteArray &message);
    // Starts the analysis of `url` with the page's metadata (only its allowed headers are used)
    // and `cookies`, the cookies of the page's site. Besides the signals, `outcome` (when given)
    // is called once at the end.
    void analyse(const QString &url, const QString &metadata,
                 const QList<QNetworkCookie> &cookies = {}, Outcome outcome = {});

    // The HTTP helper: every header becomes a request header ("UserAgent" is sent as
    // "User-Agent"); "POST" (any case) posts `body`, anything else is a GET. Redirects are
    // followed within the address's site only. `done` is called once, with the error text
    // filled on a network error, a timeout, an overlong body or a redirect to another site.
    void request(const QByteArray &method, const QUrl &url, const QVariantMap &headers,
                 const QByteArray &body, Done done);

    // Media addresses in a page or JSON text, absolute, in order of appearance.
    static QStringList findMedia(const QByteArray &text, const QUrl &base);
    // Same-host JSON addresses a page names (at most `limit`).
    static QStringList findJsonLinks(const QByteArray &text, const QUrl &base, int limit = 3);

Q_SIGNALS:
    void parseFinished(const QString &url, const QString &metadata);
    void parseFailed(const QString &url, const QString &reason);

private:
    struct Job;
    void nextJson(const std::shared_ptr<Job> &job);
    void found(const std::shared_ptr<Job> &job, const QString &media);
    void fail(const std::shared_ptr<Job> &job, const QString &reason);
    void send(QNetworkAccessManager *via, const QByteArray &method, const QUrl &url,
              const QVariantMap &headers, const QByteArray &body, Done done);

    QNetworkAccessManager *network = nullptr;
    int timeoutMs = kDefaultTimeoutMs;
};
