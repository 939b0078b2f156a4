#pragma once

// A client of an analytics collector's measurement protocol: every hit is a form-encoded list
// of short parameters posted to the collector's "/collect". Hits wait in a bounded queue in
// memory and are posted one at a time, driven by a timer and by each answer, so reporting never
// blocks the interface. Nothing is posted while no collector is set.
//
//     GAnalytics client(QStringLiteral("UA-123-1"));
//     client.setCollector(QUrl("http://127.0.0.1:8080"));
//     client.sendEvent("Download", "FileType", "mp4");

#include <QDateTime>
#include <QNetworkRequest>
#include <QObject>
#include <QPair>
#include <QQueue>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>
#include <QVector>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

class GAnalytics : public QObject
{
    Q_OBJECT
    Q_PROPERTY(LogLevel logLevel READ logLevel WRITE setLogLevel NOTIFY logLevelChanged)
    Q_PROPERTY(
        QString viewportSize READ viewportSize WRITE setViewportSize NOTIFY viewportSizeChanged)
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(QString trackingID READ trackingID WRITE setTrackingID NOTIFY trackingIDChanged)
    Q_PROPERTY(QString userID READ userID WRITE setUserID NOTIFY userIDChanged)
    Q_PROPERTY(int sendInterval READ sendInterval WRITE setSendInterval NOTIFY sendIntervalChanged)
    Q_PROPERTY(bool isSending READ isSending NOTIFY isSendingChanged)
public:
    enum LogLevel
    {
        Debug,
        Info,
        Error,
        None
    };
    Q_ENUM(LogLevel)

    // A hit's parameters, in the order they are sent.
    using Parameters = QVector<QPair<QString, QString>>;

    // Beyond this many waiting hits the oldest is dropped.
    static constexpr int kMaxQueued = 1000;
    // A hit older than this (four hours) is dropped unsent.
    static constexpr qint64 kMaxAgeMs = 4 * 3600 * 1000;

    explicit GAnalytics(const QString &trackingID, QObject *parent = nullptr);
    ~GAnalytics() override;

    // The collector (scheme, host, port); hits go to its "/collect". Empty: nothing is posted.
    void setCollector(const QUrl &collector);
    QUrl endpoint() const { return request.url(); }
    // The primary screen's size as "WIDTHxHEIGHT", given by the interface (the client has no
    // screens of its own).
    void setScreenResolution(const QString &resolution) { screenResolution = resolution; }
    QString screenResolutionText() const { return screenResolution; }
    // A post that has not finished after this long counts as failed (15 s).
    void setRequestTimeout(int milliseconds) { requestTimeoutMs = milliseconds; }
    // The clock a hit's age is measured with (tests move it).
    void setClock(std::function<QDateTime()> clock) { now = std::move(clock); }

    LogLevel logLevel() const { return logLevelValue; }
    void setLogLevel(LogLevel level);
    QString viewportSize() const { return viewportSizeValue; }
    void setViewportSize(const QString &size);
    QString language() const { return languageValue; }
    void setLanguage(const QString &language);
    QString trackingID() const { return trackingIDValue; }
    void setTrackingID(const QString &id);
    QString userID() const { return userIDValue; }
    // Also stored, so the next start uses it.
    void setUserID(const QString &id);
    QString clientID() const { return clientIDValue; }
    int sendInterval() const { return timer.interval(); }
    void setSendInterval(int milliseconds);
    bool isSending() const { return sending; }
    // Hits waiting, the one being posted included.
    int queuedCount() const { return queue.size() + (inFlight ? 1 : 0); }

    void sendScreenView(const QString &screenName, const QVariantMap &customValues = {});
    void sendAppView(const QString &screenName, const QVariantMap &customValues = {});
    void sendEvent(const QString &category, const QString &action, const QString &label = {},
                   const QVariant &value = {}, const QVariantMap &customValues = {});
    void sendException(const QString &exceptionDescription, bool exceptionFatal = true,
                       const QVariantMap &customValues = {});
    void startSession();
    void endSession();

    // Posts what is waiting at once and emits finished() when the queue is empty or after
    // `timeoutMs`, whichever comes first. The application calls this when it quits.
    void finish(int timeoutMs);

    // The text of the operating system ("Linux; Debian GNU/Linux 12 (bookworm)").
    static QString operatingSystemText();
    // The parameters as posted: every key and value percent-encoded, joined with '&'.
    static QByteArray encode(const Parameters &parameters);

Q_SIGNALS:
    void logLevelChanged();
    void viewportSizeChanged();
    void languageChanged();
    void trackingIDChanged();
    void userIDChanged();
    void sendIntervalChanged();
    void isSendingChanged(bool sending);
    void postNextMessage();
    // finish() is done: everything was posted, or its time ran out.
    void finished();

public Q_SLOTS:
    void postMessage();
    void postMessageFinished();

private:
    struct Message
    {
        Parameters parameters;
        QDateTime queued;
    };

    Parameters hitStart(const QString &type) const;
    void appendCustom(Parameters &parameters, const QVariantMap &customValues) const;
    void enqueue(const Parameters &parameters);
    void setSending(bool on);
    void endFinish();
    void log(LogLevel threshold, const QString &text) const;

    QNetworkAccessManager *network = nullptr;
    QQueue<Message> queue;
    // The message being posted, taken off the queue until its answer came.
    std::optional<Message> inFlight;
    QNetworkReply *reply = nullptr;
    QTimer timer;
    QTimer finishTimer;
    bool finishing = false;
    QNetworkRequest request;
    LogLevel logLevelValue = Error;
    QString trackingIDValue;
    QString clientIDValue;
    QString userIDValue;
    QString appName;
    QString appVersion;
    QString languageValue;
    QString screenResolution;
    QString viewportSizeValue;
    bool sending = false;
    int requestTimeoutMs = 15000;
    std::function<QDateTime()> now;
};
