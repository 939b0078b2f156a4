#include "core/protocol/displaytext.h"

#include "core/foundation/preferences.h"
#include "core/protocol/toolline.h"

#include <QCoreApplication>

namespace protocol {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("protocol", text);
}
} // namespace

QString formatSize(qint64 bytes)
{
    if (bytes == 0)
        return QStringLiteral("Unknown");
    if (bytes <= 1024)
        return QString::asprintf("%0.1fB", double(bytes));
    if (bytes <= 1048576)
        return QString::asprintf("%0.1fKB", bytes / 1024.0);
    if (bytes <= 1073741824)
        return QString::asprintf("%0.1fMB", bytes / 1048576.0);
    return QString::asprintf("%0.1fGB", bytes / 1073741824.0);
}

QString formatDuration(qint64 seconds)
{
    if (seconds == 0)
        return QStringLiteral("Unknown");
    const qint64 h = seconds / 3600, m = seconds % 3600 / 60, s = seconds % 60;
    return h >= 1 ? QString::asprintf("%02d:%02d:%02d", int(h), int(m), int(s))
                  : QString::asprintf("%02d:%02d", int(m), int(s));
}

QString formatRemaining(qint64 eta)
{
    if (eta == 0)
        return QString();
    QString time;
    if (eta <= 60)
        time = QString::asprintf("%lld", static_cast<long long>(eta)) + ' ' + tr("seconds");
    else if (eta <= 3600)
        time = QString::asprintf("%lld", static_cast<long long>((eta + 59) / 60)) + ' ' +
               tr("minutes");
    else
        time = QString::asprintf("%0.1f", eta / 3600.0) + ' ' + tr("hours");
    const int category = Preferences::instance()->language();
    return category == 1 || category == 2 ? tr("remaining") + ' ' + time
                                          : time + ' ' + tr("remaining");
}

QString progressText(const Progress &p, bool withSpeedAndTime)
{
    const double done = p.fraction * double(p.totalBytes);
    // The line is the tool's: a progress or size out of all proportion shows no text rather
    // than a number no byte count can hold.
    if (!(done > 0) || done >= 9.0e18)
        return QString();
    const QString doneText = formatSize(qint64(done));
    const QString totalText = formatSize(p.totalBytes);
    if (!withSpeedAndTime)
        return QStringLiteral("%1 of %2").arg(doneText, totalText);
    // A stalled transfer has no time left: the text then ends with the speed.
    const QString left = formatRemaining(p.etaSeconds);
    if (left.isEmpty())
        return QStringLiteral("%1 of %2 - %3").arg(doneText, totalText, p.speed);
    return QStringLiteral("%1 of %2 - %3, %4").arg(doneText, totalText, p.speed, left);
}

QString convertingText(double fraction)
{
    return tr("Converting") + QString::asprintf(" %0.1f%%", fraction * 100);
}

} // namespace protocol
