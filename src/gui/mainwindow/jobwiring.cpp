#include "gui/mainwindow/jobwiring.h"

#include "core/converter/convertdatamanager.h"
#include "core/converter/convmediainfo.h"
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"

#include <QHash>

namespace jobwiring {

namespace {

void dropOldCopies()
{
    SniffMgr *downloads = SniffMgr::instance();
    ConvertDataManager *conversions = ConvertDataManager::instance();

    // A download converted after it finished is the download's record, shown on the converted
    // page through a filter. Older versions wrote a copy of it into the converted list: the copy
    // goes, the download keeps the fact.
    // (Only an older version's converted list holds any: most starts look at no download.)
    QHash<QString, SniffTask *> byFile;
    if (!conversions->convertedItemList().isEmpty()) {
        for (SniffTask *task : downloads->doneList() + downloads->privateList())
            byFile.insert(task->filePath(), task);
    }
    QList<ConvMediaInfo *> copies;
    if (!byFile.isEmpty()) {
        for (ConvMediaInfo *record : conversions->convertedItemList()) {
            if (SniffTask *task = byFile.value(record->outputPath)) {
                downloads->markConverted(task);
                copies << record;
            }
        }
    }
    conversions->removeConvertedItems(copies, false);
}

} // namespace

void connectOwners()
{
    SniffMgr *downloads = SniffMgr::instance();
    ConvertDataManager *conversions = ConvertDataManager::instance();
    conversions->loadAll();
    // The finished downloads may still be being read: the copies go once they are all known.
    if (downloads->isLoading())
        QObject::connect(downloads, &SniffMgr::loadingFinished, conversions, &dropOldCopies);
    else
        dropOldCopies();

    QObject::connect(downloads, &SniffMgr::fileDeleted, conversions,
                     &ConvertDataManager::forgetFile, Qt::UniqueConnection);
    QObject::connect(conversions, &ConvertDataManager::fileDeleted, downloads,
                     &SniffMgr::forgetFile, Qt::UniqueConnection);
}

} // namespace jobwiring
