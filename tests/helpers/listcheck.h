#pragma once

// An independent reader of the download list files, for the kill soak: it parses the format by
// hand (not with the application's reader) and says whether a file is whole, and which jobs
// (working folders) it lists.

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStringList>
#include <QThread>
#include <QtEndian>

namespace listcheck {

struct Reader
{
    const QByteArray &bytes;
    int at = 0;
    bool ok = true;

    bool need(qint64 n)
    {
        if (!ok || n < 0 || at + n > bytes.size())
            ok = false;
        return ok;
    }
    quint32 u32()
    {
        if (!need(4))
            return 0;
        const quint32 v = qFromBigEndian<quint32>(bytes.constData() + at);
        at += 4;
        return v;
    }
    QString string()
    {
        const quint32 length = u32();
        if (!ok || length == 0xffffffffu)
            return QString();
        if (length % 2 || !need(length))
            return ok = false, QString();
        QString s(int(length / 2), Qt::Uninitialized);
        for (int i = 0; i < s.size(); ++i)
            s[i] = QChar(qFromBigEndian<quint16>(bytes.constData() + at + 2 * i));
        at += int(length);
        return s;
    }
    void byteArrayVariant()
    {
        if (u32() != 12 || !need(1))
            return void(ok = false);
        at += 1;
        const quint32 length = u32();
        if (ok && length != 0xffffffffu && need(length))
            at += int(length);
    }
};

// The working folders a list file names, in order; false when the file is not whole (missing
// files count as empty lists).
inline bool jobsOf(const QString &path, QStringList *out)
{
    out->clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    Reader r{bytes};
    const quint32 count = r.u32();
    for (quint32 i = 0; r.ok && i < count; ++i) {
        r.string(); // url
        r.u32();    // state
        r.byteArrayVariant();
        r.byteArrayVariant();
        const QString workDir = r.string();
        const quint32 pairs = r.u32();
        for (quint32 p = 0; r.ok && p < pairs; ++p) {
            r.string();
            r.string();
        }
        r.string(); // thumbnail
        r.byteArrayVariant();
        if (r.ok)
            out->append(workDir);
    }
    return r.ok && r.at == bytes.size();
}

// One trial of the kill soak: starts the saving process (listsoak) on a fresh folder, kills it
// `killAfterMs` after its first save, and checks the three lists with the reader above. False,
// with the reason, when a file is torn or a job is in none of the lists.
inline bool killTrial(const QString &listsoak, const QString &folder, int jobs, quint32 seed,
                      int killAfterMs, QString *problem)
{
    QProcess saver;
    saver.start(listsoak, {folder, QString::number(jobs), QString::number(seed)});
    if (!saver.waitForReadyRead(20000)) {
        *problem = QStringLiteral("the saving process did not start");
        return false;
    }
    QThread::msleep(quint32(killAfterMs)); // the random moment is the experiment
    saver.kill();
    saver.waitForFinished();
    QSet<QString> found;
    for (const char *name : {"/done_list.dat", "/private_list.dat", "/task_list.dat"}) {
        QStringList listed;
        if (!jobsOf(folder + QLatin1String(name), &listed)) {
            *problem = QStringLiteral("%1 is torn").arg(QLatin1String(name));
            return false;
        }
        for (const QString &job : qAsConst(listed))
            found.insert(job);
    }
    for (int i = 0; i < jobs; ++i) {
        const QString job = QStringLiteral("%1/.temp/%2_soak").arg(folder).arg(i);
        if (!found.contains(job)) {
            *problem = QStringLiteral("job %1 is in no list").arg(i);
            return false;
        }
    }
    return true;
}

} // namespace listcheck
