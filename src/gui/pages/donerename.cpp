#include "gui/pages/donerename.h"

#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "gui/widgets/zqmessagebox.h"

#include <QFileInfo>

DoneRename::Outcome DoneRename::rename(SniffTask *task, const QString &typed)
{
    QString name = typed;
    if (name == task->title())
        return Outcome::Unchanged;
    while (name.startsWith(QLatin1Char(' ')))
        name.remove(0, 1);
    if (name.isEmpty()) {
        ZQMessageBox::question(tr("The Filename is Empty and Cannot Be Saved."), {tr("OK")});
        return Outcome::Unchanged;
    }
    static const QString invalid = QStringLiteral("\\/:|*?\"<>");
    for (const QChar c : name) {
        if (invalid.contains(c)) {
            writeLog(QStringLiteral("[Error] Invalid file name:"), task->logText(name));
            return Outcome::Failed;
        }
    }
    const QString path = task->filePath();
    const QFileInfo info(path);
    QString target =
        info.absolutePath() + QLatin1Char('/') + name + QLatin1Char('.') + info.suffix();
    if (target == path)
        return Outcome::Unchanged;
    if (QFileInfo::exists(target)) {
        const QString proposed =
            uniqueFilePath(name + QLatin1Char('.') + info.suffix(), info.absolutePath());
        const QString proposedName = QFileInfo(proposed).completeBaseName();
        const int answer = ZQMessageBox::question(
            tr("Do You Want to Rename \"%1\" to \"%2\"? This Location Already Contains a File "
               "with the Same Name.")
                .arg(name, proposedName),
            {tr("No"), tr("Yes")}, 2);
        if (answer != 2)
            return Outcome::Unchanged;
        name = proposedName;
        target = proposed;
    }
    // The engine renames the file, names it in the job and saves the lists.
    switch (SniffMgr::instance()->renameFile(task, name)) {
    case SniffMgr::RenameResult::Renamed:
        return Outcome::Renamed;
    case SniffMgr::RenameResult::Unchanged:
        return Outcome::Unchanged;
    default:
        return Outcome::Failed;
    }
}
