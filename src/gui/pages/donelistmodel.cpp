#include "gui/pages/donelistmodel.h"

#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/engine/toolprotocol.h"
#include "core/foundation/globals.h"
#include "gui/pages/rowpainter.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace taskmodels;

namespace {
// The texts keep the context they have always been translated in.
QString translated(const char *text)
{
    return QCoreApplication::translate("DoneTaskWidget", text);
}
} // namespace

DoneListModel::DoneListModel(QObject *parent)
    : TaskListModel(parent)
{
    connect(ThumbnailFetcher::instance(), &ThumbnailFetcher::fetched, this,
            &DoneListModel::onThumbnailFetched);
}

QString DoneListModel::titleOf(const SniffTask *task)
{
    const QString name = protocol::title(task->info());
    return name.isEmpty() ? QFileInfo(protocol::filePath(task->info())).completeBaseName() : name;
}

QStringList DoneListModel::infoTexts(const SniffTask *task, bool *audioOut, bool *subtitleOut)
{
    const QJsonObject f = protocol::message(task->finished());
    const auto member = [&f](const char *key) {
        return f.value(QLatin1String(key)).toString();
    };
    const QString unknown = translated(QT_TRANSLATE_NOOP("DoneTaskWidget", "Unknown"));
    QStringList texts;
    const qint64 duration = member("duration").toLongLong();
    if (duration >= 3600)
        texts << QString::asprintf("%02lld:%02lld:%02lld", duration / 3600, duration % 3600 / 60,
                                   duration % 60);
    else if (duration != 0)
        texts << QString::asprintf("%02lld:%02lld", duration / 60, duration % 60);
    else
        texts << unknown;
    texts << protocol::formatSize(member("filesize").toLongLong());
    const QString type = member("filetype");
    texts << type;
    const QString resolution = member("resolution");
    const bool audio = isAudioFormat(type) || resolution == QLatin1String("0x0");
    if (audio) {
        const QString quality = member("quality");
        texts << (quality.isEmpty() ? unknown : quality);
    } else {
        texts << (resolution.isEmpty() ? unknown : resolution);
    }
    const bool subtitle = !member("subtitlePath").isEmpty();
    texts << (subtitle ? (audio ? translated(QT_TRANSLATE_NOOP("DoneTaskWidget", "Lyrics"))
                                : translated(QT_TRANSLATE_NOOP("DoneTaskWidget", "Subtitle")))
                       : QString());
    if (audioOut)
        *audioOut = audio;
    if (subtitleOut)
        *subtitleOut = subtitle;
    return texts;
}

QString DoneListModel::shownThumbnail(SniffTask *task) const
{
    const QByteArray &info = task->info();
    const QString stored = task->thumbnailPath();
    if (!protocol::isPrivateFile(info) && !stored.isEmpty() &&
        !rowpaint::thumbnail(stored, 1.0).isNull())
        return stored;
    // No picture of its own yet: the address's picture is fetched once, when the row is seen.
    const QString remote = protocol::thumbnail(info);
    if (!remote.isEmpty() && !protocol::isHiddenThumb(info) &&
        !ThumbnailFetcher::instance()->wasRequested(remote)) {
        awaiting.insert(remote, task);
        ThumbnailFetcher::instance()->fetch(remote);
    }
    return QString();
}

QVariant DoneListModel::data(const QModelIndex &index, int role) const
{
    SniffTask *task = taskAt(index.row());
    if (!task)
        return QVariant();
    switch (role) {
    case TaskRole:
        return QVariant::fromValue(task);
    case Qt::DisplayRole:
        return titleOf(task);
    case FilePathRole:
    case Qt::ToolTipRole:
        return protocol::filePath(task->info());
    case InfoTextsRole:
        return infoTexts(task);
    case AudioRole: {
        bool audio = false;
        infoTexts(task, &audio);
        return audio;
    }
    case SubtitleRole: {
        bool subtitle = false;
        infoTexts(task, nullptr, &subtitle);
        return subtitle;
    }
    case ThumbnailRole:
        return shownThumbnail(task);
    case RemoteThumbnailRole:
        return protocol::thumbnail(task->info());
    default:
        return QVariant();
    }
}

void DoneListModel::setTasks(const QList<SniffTask *> &tasks)
{
    resetTasks(tasks);
}

void DoneListModel::insertAt(int row, SniffTask *task)
{
    insertTask(qBound(0, row, rowCount()), task);
}

void DoneListModel::remove(SniffTask *task)
{
    const int at = rowOf(task);
    if (at >= 0)
        removeRow(at);
}

void DoneListModel::refreshAll()
{
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0), index(rowCount() - 1));
}

void DoneListModel::onThumbnailFetched(const QString &url, const QPixmap &pixmap)
{
    const QList<SniffTask *> tasks = awaiting.values(url);
    awaiting.remove(url);
    bool saved = false;
    for (SniffTask *task : tasks) {
        if (rowOf(task) < 0 || protocol::thumbnail(task->info()) != url)
            continue; // the row went meanwhile
        rowpaint::saveThumbnail(task, pixmap);
        rowChanged(task);
        saved = true;
    }
    if (saved)
        SniffMgr::instance()->saveAll();
}
