#pragma once

// Plain file transfers with curl: resumes a partial file, reports progress from curl's meter,
// notices a stalled transfer and maps curl's complaints to a few errors.

#include <QObject>
#include <QProcess>
#include <QString>

class MyProcess;
class QTimer;

class CurlProxy : public QObject
{
    Q_OBJECT
public:
    enum Error
    {
        NoError = 0,
        WriteError = 1,
        NetworkError = 2,
        ConnectionReset = 3,
        OtherError = 4
    };
    Q_ENUM(Error)

    explicit CurlProxy(QObject *parent = nullptr);

    void download(const QString &url, const QString &outputPath);
    QString errorText() const;
    Error error() const { return errorValue; }
    bool isRunning() const { return running; }

    static qint64 parseSize(const QString &text);
    static QString formatSize(qint64 bytes);

    // The largest file a transfer may write; a larger one fails.
    static qint64 maxFileSize;
    // How long nothing may arrive before the transfer counts as stalled.
    static int stallIntervalMs;

Q_SIGNALS:
    void downloadStarted();
    void readyDownloading(const QString &total, const QString &received, double percentageRecived,
                          const QString &leftTime, const QString &speed);
    void downloadFinished();
    void downloadError(CurlProxy::Error error);

public Q_SLOTS:
    void onProcessCurlReadyRead();
    void onProcessCurlFinished(int exitCode, QProcess::ExitStatus status);

private:
    void onStalled();
    void dropProcess();

    MyProcess *process = nullptr;
    bool running = false;
    QString url;
    QString outputPath;
    Error errorValue = NoError;
    qint64 resumeOffset = 0;
    QTimer *stallTimer = nullptr;
    bool resuming = false;
    qint64 lastReceived = -1;
};
