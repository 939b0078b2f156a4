#include "core/analytics/ganalytics.h"

#include "core/foundation/preferences.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSysInfo>
#include <QUuid>

GAnalytics::GAnalytics(const QString &trackingID, QObject *parent)
    : QObject(parent)
    , trackingIDValue(trackingID)
    , appName(QCoreApplication::applicationName())
    , appVersion(QCoreApplication::applicationVersion())
    , now([] { return QDateTime::currentDateTimeUtc(); })
{
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/x-www-form-urlencoded"));
    const QLocale locale = QLocale::system();
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("%1/%2 (%3; %4) GAnalytics/1.0 (Qt/%5)")
                          .arg(appName, appVersion, operatingSystemText(), locale.name(),
                               QString::fromLatin1(qVersion())));
    Preferences *prefs = Preferences::instance();
    clientIDValue = prefs->analyticsClientId();
    if (clientIDValue.isEmpty()) {
        clientIDValue = QUuid::createUuid().toString();
        prefs->setAnalyticsClientId(clientIDValue);
    }
    userIDValue = prefs->analyticsUserId();
    languageValue = locale.name().toLower().replace(QLatin1Char('_'), QLatin1Char('-'));

    connect(this, &GAnalytics::postNextMessage, this, &GAnalytics::postMessage,
            Qt::QueuedConnection);
    connect(&timer, &QTimer::timeout, this, &GAnalytics::postMessage);
    finishTimer.setSingleShot(true);
    connect(&finishTimer, &QTimer::timeout, this, &GAnalytics::endFinish);
    timer.start(30000);
}

GAnalytics::~GAnalytics()
{
    if (reply) {
        reply->disconnect(this);
        reply->abort();
    }
}

void GAnalytics::setCollector(const QUrl &collector)
{
    QUrl url = collector;
    if (url.isValid() && !url.host().isEmpty()) {
        QString path = url.path();
        while (path.endsWith(QLatin1Char('/')))
            path.chop(1);
        url.setPath(path + QStringLiteral("/collect"));
        url.setQuery(QString());
        url.setFragment(QString());
    } else {
        url = QUrl();
    }
    request.setUrl(url);
}

void GAnalytics::setLogLevel(LogLevel level)
{
    if (logLevelValue == level)
        return;
    logLevelValue = level;
    Q_EMIT logLevelChanged();
}

void GAnalytics::setViewportSize(const QString &size)
{
    if (viewportSizeValue == size)
        return;
    viewportSizeValue = size;
    Q_EMIT viewportSizeChanged();
}

void GAnalytics::setLanguage(const QString &language)
{
    if (languageValue == language)
        return;
    languageValue = language;
    Q_EMIT languageChanged();
}

void GAnalytics::setTrackingID(const QString &id)
{
    if (trackingIDValue == id)
        return;
    trackingIDValue = id;
    Q_EMIT trackingIDChanged();
}

void GAnalytics::setUserID(const QString &id)
{
    if (userIDValue == id)
        return;
    userIDValue = id;
    Preferences::instance()->setAnalyticsUserId(id);
    Q_EMIT userIDChanged();
}

void GAnalytics::setSendInterval(int milliseconds)
{
    if (timer.interval() == milliseconds)
        return;
    timer.setInterval(milliseconds);
    Q_EMIT sendIntervalChanged();
}

// --- Hits -------------------------------------------------------------------------------------

GAnalytics::Parameters GAnalytics::hitStart(const QString &type) const
{
    Parameters p{{QStringLiteral("v"), QStringLiteral("1")},
                 {QStringLiteral("tid"), trackingIDValue},
                 {QStringLiteral("cid"), clientIDValue}};
    if (!userIDValue.isEmpty())
        p.append({QStringLiteral("uid"), userIDValue});
    p.append({QStringLiteral("t"), type});
    p.append({QStringLiteral("ul"), languageValue});
    p.append({QStringLiteral("vp"), viewportSizeValue});
    p.append({QStringLiteral("sr"), screenResolution});
    return p;
}

void GAnalytics::appendCustom(Parameters &parameters, const QVariantMap &customValues) const
{
    for (auto it = customValues.cbegin(); it != customValues.cend(); ++it)
        parameters.append({it.key(), it.value().toString()});
}

void GAnalytics::sendScreenView(const QString &screenName, const QVariantMap &customValues)
{
    log(Info, QStringLiteral("ScreenView: %1").arg(screenName));
    Parameters p = hitStart(QStringLiteral("screenview"));
    p.append({QStringLiteral("cd"), screenName});
    p.append({QStringLiteral("an"), appName});
    p.append({QStringLiteral("av"), appVersion});
    appendCustom(p, customValues);
    enqueue(p);
}

void GAnalytics::sendAppView(const QString &screenName, const QVariantMap &customValues)
{
    sendScreenView(screenName, customValues);
}

void GAnalytics::sendEvent(const QString &category, const QString &action, const QString &label,
                           const QVariant &value, const QVariantMap &customValues)
{
    Parameters p = hitStart(QStringLiteral("event"));
    p.append({QStringLiteral("an"), appName});
    p.append({QStringLiteral("av"), appVersion});
    p.append({QStringLiteral("ec"), category});
    p.append({QStringLiteral("ea"), action});
    if (!label.isEmpty())
        p.append({QStringLiteral("el"), label});
    if (value.isValid())
        p.append({QStringLiteral("ev"), value.toString()});
    appendCustom(p, customValues);
    enqueue(p);
}

void GAnalytics::sendException(const QString &exceptionDescription, bool exceptionFatal,
                               const QVariantMap &customValues)
{
    Parameters p = hitStart(QStringLiteral("exception"));
    p.append({QStringLiteral("an"), appName});
    p.append({QStringLiteral("av"), appVersion});
    p.append({QStringLiteral("exd"), exceptionDescription});
    p.append({QStringLiteral("exf"), exceptionFatal ? QStringLiteral("1") : QStringLiteral("0")});
    appendCustom(p, customValues);
    enqueue(p);
}

void GAnalytics::startSession()
{
    sendEvent(QStringLiteral("Session"), QStringLiteral("Start"), QString(), QVariant(),
              {{QStringLiteral("sc"), QStringLiteral("start")}});
}

void GAnalytics::endSession()
{
    sendEvent(QStringLiteral("Session"), QStringLiteral("End"), QString(), QVariant(),
              {{QStringLiteral("sc"), QStringLiteral("end")}});
}

void GAnalytics::enqueue(const Parameters &parameters)
{
    queue.enqueue({parameters, now()});
    // A collector that is away for long must not make the queue grow without end.
    while (queue.size() > kMaxQueued)
        queue.dequeue();
}

QByteArray GAnalytics::encode(const Parameters &parameters)
{
    QByteArray body;
    for (const auto &[key, value] : parameters) {
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value);
    }
    return body;
}

// --- Sending ----------------------------------------------------------------------------------

void GAnalytics::postMessage()
{
    if (reply)
        return; // one post at a time
    if (queue.isEmpty() || request.url().isEmpty()) {
        timer.start();
        setSending(false);
        endFinish();
        return;
    }
    timer.stop();
    setSending(true);
    const QByteArray connection = queue.size() > 1 ? "keep-alive" : "close";
    inFlight = queue.dequeue();
    const qint64 age = inFlight->queued.msecsTo(now());
    if (age > kMaxAgeMs) {
        inFlight.reset();
        Q_EMIT postNextMessage();
        return;
    }
    Parameters parameters = inFlight->parameters;
    parameters.append({QStringLiteral("qt"), QString::number(age)});
    const QByteArray body = encode(parameters);
    QNetworkRequest post = request;
    post.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    post.setRawHeader("Connection", connection);
    post.setTransferTimeout(requestTimeoutMs);
    if (!network)
        network = new QNetworkAccessManager(this);
    reply = network->post(post, body);
    connect(reply, &QNetworkReply::finished, this, &GAnalytics::postMessageFinished);
}

void GAnalytics::postMessageFinished()
{
    QNetworkReply *answer = reply;
    reply = nullptr;
    if (!answer)
        return;
    answer->deleteLater();
    const int status = answer->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 200 && status < 300) {
        log(Info, QStringLiteral("Message sent"));
        inFlight.reset();
        Q_EMIT postNextMessage();
        return;
    }
    log(None, QStringLiteral("Error posting message: %1").arg(answer->errorString()));
    if (inFlight) {
        queue.prepend(*inFlight);
        inFlight.reset();
        while (queue.size() > kMaxQueued)
            queue.dequeue();
    }
    timer.start();
    setSending(false);
    // Quitting does not wait for a collector that fails.
    endFinish();
}

void GAnalytics::finish(int timeoutMs)
{
    if (finishing)
        return;
    if (queuedCount() == 0 || request.url().isEmpty()) {
        QMetaObject::invokeMethod(this, &GAnalytics::finished, Qt::QueuedConnection);
        return;
    }
    finishing = true;
    finishTimer.start(timeoutMs);
    if (!reply)
        postMessage();
}

void GAnalytics::endFinish()
{
    if (!finishing)
        return;
    finishing = false;
    finishTimer.stop();
    Q_EMIT finished();
}

void GAnalytics::setSending(bool on)
{
    if (sending == on)
        return;
    sending = on;
    Q_EMIT isSendingChanged(on);
}

void GAnalytics::log(LogLevel threshold, const QString &text) const
{
    if (logLevelValue < threshold)
        qDebug().noquote() << "[Analytics]" << text;
}

QString GAnalytics::operatingSystemText()
{
    return QStringLiteral("Linux; %1").arg(QSysInfo::prettyProductName());
}
