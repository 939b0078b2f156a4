#include "gui/mainwindow/dialoghelpers.h"

#include "gui/mainwindow/preferencesdlg.h"
#include "gui/pages/fileactions.h"
#include "gui/widgets/mainwindowhelper.h"

bool checkDownloadDir()
{
    if (downloadDirExists())
        return true;
    openPreferencesDialog();
    return false;
}

void openPreferencesDialog()
{
    PreferencesDlg dialog;
    MainWindowHelper::instance()->centreOverMainWindow(&dialog);
    dialog.exec();
}
