#include "core/converter/convertdatamanager.h"

#include "core/converter/convertlistfile.h"
#include "core/converter/converttask.h"
#include "core/converter/convmediainfo.h"
#include "core/foundation/globals.h"
#include "core/foundation/paths.h"
#include "core/foundation/savehealth.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

ConvertDataManager::ConvertDataManager()
{
    writer.setMaxThreadCount(1);
    writer.setExpiryTimeout(-1);
}

ConvertDataManager *ConvertDataManager::instance()
{
    static ConvertDataManager *manager = new ConvertDataManager;
    return manager;
}

void ConvertDataManager::loadAll()
{
    if (loaded)
        return;
    loaded = true;
    // Work folders of conversions a kill or a quit ended (runs of another instance keep theirs).
    ConvertTask::removeDeadWorkFolders(convertTempDir(false));
    qDeleteAll(convertingTasks);
    convertingTasks.clear();
    for (const ConvMediaInfo &record : convertlist::load(convertingListPath())) {
        auto *task = new ConvertTask(this);
        task->setSourceInfo(record);
        convertingTasks << task;
    }
    qDeleteAll(convertedItems);
    convertedItems.clear();
    for (const ConvMediaInfo &record : convertlist::load(convertedListPath()))
        convertedItems << new ConvMediaInfo(record);
    for (ConvMediaInfo *info : convertedItems)
        info->setParent(this);
}

ConvertTask *ConvertDataManager::taskForSource(const QString &sourcePath) const
{
    for (ConvertTask *task : convertingTasks) {
        if (task->sourceInfo()->sourcePath == sourcePath)
            return task;
    }
    return nullptr;
}

ConvertTask *ConvertDataManager::addTaskFor(const ConvMediaInfo &source)
{
    if (taskForSource(source.sourcePath))
        return nullptr;
    auto *task = new ConvertTask(this);
    task->setSourceInfo(source);
    addTasks({task});
    return task;
}

void ConvertDataManager::addTasks(const QList<ConvertTask *> &tasks)
{
    for (ConvertTask *task : tasks) {
        task->setParent(this);
        convertingTasks << task;
    }
    // Files are added one by one as they are inspected: the list is written once for a run of
    // them (and at once when the application quits).
    if (!saveTimer) {
        saveTimer = new QTimer(this);
        saveTimer->setSingleShot(true);
        saveTimer->setInterval(kAddSaveDelayMs);
        connect(saveTimer, &QTimer::timeout, this,
                &ConvertDataManager::writeConvertingInBackground);
        connect(qApp, &QCoreApplication::aboutToQuit, this, &ConvertDataManager::flush);
    }
    if (!saveTimer->isActive())
        saveTimer->start();
    Q_EMIT convertingListChanged();
}

void ConvertDataManager::flush()
{
    // A write still running is followed by one on this thread, whose outcome is the one reported.
    if ((saveTimer && saveTimer->isActive()) || writing || writeAgain)
        save(true, false);
}

void ConvertDataManager::writeConvertingInBackground()
{
    if (writing) {
        writeAgain = true;
        return;
    }
    writing = true;
    const QByteArray bytes = convertlist::serialize(convertingSources());
    const QString path = convertingListPath();
    writer.start([this, path, bytes] {
        const safesave::Outcome outcome = convertlist::write(path, bytes);
        QMetaObject::invokeMethod(
            this,
            [this, outcome] {
                if (!writing)
                    return; // a write on this thread came after it and was reported
                writing = false;
                report(outcome);
                if (writeAgain) {
                    writeAgain = false;
                    writeConvertingInBackground();
                }
            },
            Qt::QueuedConnection);
    });
}

QList<const ConvMediaInfo *> ConvertDataManager::convertingSources() const
{
    QList<const ConvMediaInfo *> sources;
    for (const ConvertTask *task : convertingTasks)
        sources << task->sourceInfo();
    return sources;
}

void ConvertDataManager::waitForBackgroundWrite()
{
    writer.waitForDone();
    writing = false;
    writeAgain = false;
}

void ConvertDataManager::removeTasks(const QList<ConvertTask *> &tasks)
{
    for (ConvertTask *task : tasks)
        convertingTasks.removeAll(task);
    save(true, false);
    Q_EMIT convertingListChanged();
}

void ConvertDataManager::removeConvertedItems(const QList<ConvMediaInfo *> &items, bool deleteFiles)
{
    if (items.isEmpty())
        return;
    for (ConvMediaInfo *info : items) {
        if (convertedItems.removeAll(info) == 0)
            continue;
        if (deleteFiles && QFileInfo::exists(info->outputPath) &&
            removeFileSafely(info->outputPath))
            Q_EMIT fileDeleted(info->outputPath);
        info->deleteLater();
    }
    save(false, true);
    Q_EMIT convertedListChanged();
}

void ConvertDataManager::prependConverted(ConvMediaInfo *info)
{
    info->setParent(this);
    convertedItems.prepend(info);
}

void ConvertDataManager::moveToConverted(ConvertTask *task)
{
    ConvMediaInfo *result = task->resultInfo();
    convertingTasks.removeAll(task);
    if (result)
        prependConverted(result);
    save(true, true);
    Q_EMIT convertingListChanged();
    if (result) {
        Q_EMIT convertedListChanged();
        Q_EMIT convertedFileDidAdd(result);
    }
    task->deleteLater();
}

void ConvertDataManager::addConverted(const ConvMediaInfo &record)
{
    auto *info = new ConvMediaInfo(record);
    prependConverted(info);
    save(false, true);
    Q_EMIT convertedListChanged();
    Q_EMIT convertedFileDidAdd(info);
}

void ConvertDataManager::forgetFile(const QString &path)
{
    QList<ConvMediaInfo *> gone;
    for (ConvMediaInfo *info : qAsConst(convertedItems)) {
        if (!path.isEmpty() && info->outputPath == path)
            gone << info;
    }
    removeConvertedItems(gone, false);
}

void ConvertDataManager::save(bool converting, bool converted)
{
    if (converting && saveTimer)
        saveTimer->stop(); // this write holds the added files too
    if (converting) {
        waitForBackgroundWrite();
        report(convertlist::save(convertingListPath(), convertingSources()));
    }
    if (converted) {
        QList<const ConvMediaInfo *> records;
        for (const ConvMediaInfo *info : convertedItems)
            records << info;
        report(convertlist::save(convertedListPath(), records));
    }
}

void ConvertDataManager::report(const safesave::Outcome &outcome)
{
    // A failed write is retried with both lists as they are then.
    SaveHealth::instance()->report(outcome, this, [this] { save(true, true); });
}
