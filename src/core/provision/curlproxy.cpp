#include "core/provision/curlproxy.h"

#include "core/foundation/paths.h"
#include "core/process/myprocess.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QHostInfo>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include <cmath>

int CurlProxy::stallIntervalMs = 20000;
qint64 CurlProxy::maxFileSize = qint64(256) << 20;

CurlProxy::CurlProxy(QObject *parent)
    : QObject(parent)
{
}

void CurlProxy::dropProcess()
{
    discardProcess(process, this);
}

void CurlProxy::download(const QString &address, const QString &output)
{
    running = false;
    dropProcess();
    if (stallTimer)
        stallTimer->stop();
    url = address;
    outputPath = output;
    const QUrl parsed(address);
    if (!parsed.isValid() ||
        (parsed.scheme() != QLatin1String("http") && parsed.scheme() != QLatin1String("https"))) {
        // Only web addresses are fetched: anything else would be read by curl as an option or
        // as a local file.
        qDebug() << "curl: refusing the address" << address;
        running = false;
        errorValue = OtherError;
        QTimer::singleShot(0, this, [this] { Q_EMIT downloadError(OtherError); });
        return;
    }
    process = new MyProcess(this);
    connect(process, &QProcess::readyReadStandardError, this, &CurlProxy::onProcessCurlReadyRead);
    connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            &CurlProxy::onProcessCurlFinished);
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        // A crash also ends through finished(); only a failed start needs reporting here.
        if (e != QProcess::FailedToStart)
            return;
        qDebug() << "processCurl_->errorString():" << process->errorString();
        running = false;
        errorValue = OtherError;
        Q_EMIT downloadError(OtherError);
    });
    const QFileInfo existing(outputPath);
    resumeOffset = existing.exists() ? existing.size() : 0;
    // Certificates are checked (no "-k"): an update is only as trustworthy as its server.
    QStringList args{"-L",
                     "-C",
                     "-",
                     "--proto",
                     "=http,https",
                     "--proto-redir",
                     "=http,https",
                     "--max-filesize",
                     QString::number(maxFileSize)};
    if (!outputPath.isEmpty())
        args << "-o" << QDir::toNativeSeparators(outputPath);
    // Nothing after "--" is an option, whatever it starts with.
    args << "--" << url;
    running = true;
    errorValue = NoError;
    resuming = false;
    lastReceived = -1;
    Q_EMIT downloadStarted();
    process->start(findProgram(QStringLiteral("curl")), args, QIODevice::ReadWrite);
}

QString CurlProxy::errorText() const
{
    switch (errorValue) {
    case NoError:
        return QString();
    case WriteError:
        return tr("Failure writing output to destination.");
    case NetworkError:
        return tr("Unable to connect to the network.");
    case ConnectionReset:
        return tr("connection was reset.");
    case OtherError:
        break;
    }
    return tr("Unable to download or download timeout.");
}

qint64 CurlProxy::parseSize(const QString &text)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^([0-9.]*)(.*)$")).match(text.trimmed());
    const double number = m.captured(1).toDouble();
    const QString rest = m.captured(2).trimmed();
    if (rest.isEmpty())
        return qint64(number);
    switch (rest.at(0).toUpper().toLatin1()) {
    case 'K':
        return qint64(number * 1024);
    case 'M':
        return qint64(number * 1024 * 1024);
    case 'G':
        return qint64(number * 1024 * 1024 * 1024);
    case 'T':
        return qint64(number * 1024 * 1024 * 1024 * 1024);
    default:
        return qint64(number);
    }
}

QString CurlProxy::formatSize(qint64 bytes)
{
    if (bytes == 0)
        return QStringLiteral("0KB");
    if (bytes < 1024)
        return QStringLiteral("%1B").arg(bytes);
    static const char *const units[] = {"KB", "MB", "GB", "TB"};
    double value = double(bytes);
    int unit = -1;
    while (value >= 1024 && unit < 3) {
        value /= 1024;
        ++unit;
    }
    QString number = QString::number(value, 'f', 1);
    if (number.endsWith(QLatin1String(".0")))
        number.chop(2);
    return number + QLatin1String(units[unit]);
}

void CurlProxy::onProcessCurlReadyRead()
{
    if (!process)
        return;
    const QString text = QString::fromLocal8Bit(process->readAllStandardError());
    auto startStallTimer = [this] {
        if (!stallTimer) {
            stallTimer = new QTimer(this);
            connect(stallTimer, &QTimer::timeout, this, &CurlProxy::onStalled);
        }
        // Setting the interval of a running timer would restart it: only an idle one is set.
        if (!stallTimer->isActive())
            stallTimer->start(stallIntervalMs);
    };
    if (text.contains(QLatin1String("Failure writing output to destination"))) {
        errorValue = WriteError;
    } else if (text.contains(QLatin1String("Could not resolve host")) ||
               text.contains(QLatin1String("Network unreachable"))) {
        errorValue = NetworkError;
    } else if (text.contains(QLatin1String("URL using bad/illegal format or missing URL"))) {
        errorValue = OtherError;
    } else if (text.contains(QLatin1String("Connection was reset"))) {
        errorValue = ConnectionReset;
    } else if (text.contains(QLatin1String("Resuming transfer from byte position"))) {
        const QString first = text.split(QStringLiteral("\r\n")).first();
        const int at = first.indexOf(QLatin1String("position"));
        const QString position = first.mid(at + 9).simplified().section(QLatin1Char(' '), 0, 0);
        if (position.toLongLong() != QFileInfo(outputPath).size()) {
            resuming = true;
            startStallTimer();
        }
    }
    // Progress: the meter rewrites its line after a carriage return.
    const int last = text.lastIndexOf(QLatin1Char('\r'));
    if (last < 0)
        return;
    const QStringList fields = text.mid(last + 1).simplified().split(QLatin1Char(' '));
    if (fields.size() != 12 || fields.at(8) == QLatin1String("--:--:--") ||
        fields.at(9) == QLatin1String("--:--:--"))
        return;
    if (fields.at(0) == QLatin1String("100") && fields.at(1) == QLatin1String("324") &&
        fields.at(2) == QLatin1String("100") && fields.at(3) == QLatin1String("324"))
        return; // the small redirect page curl reads before following the redirect
    if (resuming && fields.at(9) > QLatin1String("0:00:01"))
        resuming = false;
    qint64 total = parseSize(fields.at(1));
    qint64 received = parseSize(fields.at(3));
    if (resumeOffset > 0) {
        total += resumeOffset;
        received += resumeOffset;
    }
    const double fraction =
        total > 0 ? std::round(double(received) / double(total) * 1000) / 1000 : 0;
    Q_EMIT readyDownloading(formatSize(total), formatSize(received), fraction, fields.at(10),
                            formatSize(parseSize(fields.at(11))) + QStringLiteral("/s"));
    // Nothing arriving: curl's current speed drops to 0 only after several quiet seconds, so a
    // count that stopped moving starts the stall timer too.
    if (fields.at(11) == QLatin1String("0") || received == lastReceived)
        startStallTimer();
    else if (stallTimer)
        stallTimer->stop();
    lastReceived = received;
}

void CurlProxy::onStalled()
{
    stallTimer->stop();
    running = false;
    dropProcess();
    const QString host = QUrl(url).host();
    QHostInfo::lookupHost(host, this, [this](const QHostInfo &info) {
        errorValue = info.error() == QHostInfo::HostNotFound ? NetworkError : OtherError;
        Q_EMIT downloadError(errorValue);
    });
}

void CurlProxy::onProcessCurlFinished(int exitCode, QProcess::ExitStatus status)
{
    Q_UNUSED(status)
    running = false;
    if (stallTimer)
        stallTimer->stop();
    if (exitCode == 0 && errorValue == NoError && !resuming && status == QProcess::NormalExit) {
        Q_EMIT downloadFinished();
        return;
    }
    if (errorValue == NoError)
        errorValue = OtherError;
    Q_EMIT downloadError(errorValue);
}
