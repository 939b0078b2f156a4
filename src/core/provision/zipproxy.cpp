#include "core/provision/zipproxy.h"

#include "core/foundation/applog.h"
#include "core/foundation/paths.h"
#include "core/process/myprocess.h"

#include <QDir>
#include <QStandardPaths>

ZipProxy::ZipProxy(QObject *parent)
    : QObject(parent)
{
}

QString ZipProxy::sevenZip()
{
    // Debian's 7-Zip installs as 7zz; other packagings call it 7z.
    const QString zz = findProgram(QStringLiteral("7zz"));
    if (QFileInfo(zz).isExecutable())
        return zz;
    return findProgram(QStringLiteral("7z"));
}

QProcess *ZipProxy::start(const QStringList &args)
{
    if (process) {
        process->disconnect(this);
        process->killGroup();
        process->waitForFinished(1000);
        process->deleteLater();
    }
    process = new MyProcess(this);
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            finish(2);
    });
    process->start(sevenZip(), args);
    return process;
}

void ZipProxy::finish(int exitCode)
{
    if (!busy)
        return;
    busy = false;
    Q_EMIT unpackFinished(exitCode);
}

void ZipProxy::unpack(const QString &archivePath, const QString &targetFolder)
{
    archive = archivePath;
    folder = targetFolder;
    busy = true;
    // First list the entries: an archive that names absolute paths or climbs out with ".." is
    // refused before anything is written.
    QProcess *listing = start({"l", "-slt", "-ba", QDir::toNativeSeparators(archive)});
    connect(
        listing, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
        [this, listing](int code, QProcess::ExitStatus status) {
            if (code != 0 || status != QProcess::NormalExit) {
                finish(code == 0 ? 2 : code);
                return;
            }
            const QList<QByteArray> lines = listing->readAllStandardOutput().split('\n');
            for (const QByteArray &raw : lines) {
                const QString line = QString::fromUtf8(raw.trimmed());
                if (!line.startsWith(QLatin1String("Path = ")))
                    continue;
                const QString entry =
                    QString(line.mid(7)).replace(QLatin1Char('\\'), QLatin1Char('/'));
                const bool outside = entry.startsWith(QLatin1Char('/')) ||
                                     entry.contains(QLatin1Char(':')) ||
                                     entry.split(QLatin1Char('/')).contains(QStringLiteral(".."));
                if (outside) {
                    writeLog(QStringLiteral("[ZipProxy]"),
                             QStringLiteral("refusing %1: entry \"%2\" leaves the target folder")
                                 .arg(archive, entry));
                    finish(Refused);
                    return;
                }
            }
            extract();
        });
}

void ZipProxy::extract()
{
    QProcess *extracting = start({"x", "-y", QDir::toNativeSeparators(archive),
                                  QStringLiteral("-o%1").arg(QDir::toNativeSeparators(folder))});
    connect(extracting, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            [this](int code, QProcess::ExitStatus status) {
                finish(status == QProcess::NormalExit ? code : 2);
            });
}
