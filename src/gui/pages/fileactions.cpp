#include "gui/pages/fileactions.h"

#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/preferences.h"
#include "core/platform/platform.h"
#include "gui/widgets/zqmessagebox.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {

int ask(const QString &text, const QStringList &buttons)
{
    return ZQMessageBox::question(text, buttons);
}

// The answer to a desktop that could not open or show a file: logged (never with the file's
// name, which may be a private one), and said to the user.
std::function<void(bool)> sayWhenItFails(const QString &logLine, const QString &message)
{
    return [logLine, message](bool succeeded) {
        if (succeeded)
            return;
        writeLog(QStringLiteral("[FileActions]"), logLine);
        ask(message, {QApplication::translate("Global", "OK")});
    };
}

} // namespace

bool checkFileExists(const QString &path, bool offerRemoval, bool *removalChosen)
{
    if (QFileInfo::exists(path))
        return true;
    if (!offerRemoval) {
        ask(QApplication::translate("Global", "File does not exist."),
            {QApplication::translate("Global", "OK")});
        return false;
    }
    const int answer = ask(
        QApplication::translate("Global",
                                "The file does not exist, want to remove it from the list?"),
        {QApplication::translate("Global", "Delete"), QApplication::translate("Global", "Cancel")});
    if (removalChosen)
        *removalChosen = answer == 1;
    return false;
}

void openLocalFile(const QString &path)
{
    platform::openWithDesktop(
        path,
        sayWhenItFails(QStringLiteral("nothing opens a .") + QFileInfo(path).suffix() + " file",
                       QApplication::translate("Global", "No application on this computer "
                                                         "can open the file:\n%1")
                           .arg(QDir::toNativeSeparators(path))));
}

void showInFileManager(const QString &path)
{
    revealInFileManager(
        path, sayWhenItFails(QStringLiteral("no file manager to show a file"),
                             QApplication::translate("Global", "No file manager on this computer "
                                                               "can show the file:\n%1")
                                 .arg(QDir::toNativeSeparators(path))));
}

bool downloadDirExists()
{
    const QString folder = downloadDir();
    if (folder == Preferences::defaultDownloadDir() || QFileInfo::exists(folder))
        return true;
    ask(QApplication::translate("Global", "\"%1\" does not exist, please change the save directory")
            .arg(folder),
        {QApplication::translate("Global", "Go to setting")});
    return false;
}
