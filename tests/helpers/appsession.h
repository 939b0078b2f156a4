#pragma once

// What the tests of the whole window share: an application that asks nothing of the outside
// world, set up to download for real with our tool, and the paste button pressed on a clock of
// the test's own.

#include "core/foundation/preferences.h"
#include "core/process/myprocess.h"
#include "core/provision/updatecheck.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/pages/downloadingpage.h"
#include "gui/widgets/pictures.h"
#include "helpers/testutil.h"

#include <QApplication>
#include <QClipboard>

#include <memory>

namespace testutil {

// Update checks fail at once on a closed local port, the welcome page stays shut and the
// pictures are loaded.
inline void prepareApplication()
{
    qputenv("CLIPMOOR_UPDATE_SERVER", "http://127.0.0.1:9");
    qputenv("CLIPMOOR_NO_BROWSER", "1");
    UpdateRetrier::waitMs = 1;
    initGuiResources();
}

// Downloads go to `folder` with the download tool built beside the tests, as the original video
// (no conversion), without the browsers' cookies; nothing resumes by itself.
inline void preferRealDownloads(const QString &folder)
{
    Preferences *prefs = Preferences::instance();
    prefs->setToolLocation(helperPath("../bin/vantoro-dl"));
    prefs->setDownloadDir(folder);
    prefs->setOneClickFormat("Original Video");
    prefs->setReadCookies(false);
    prefs->setResumeOnStartup(false);
    prefs->setWelcomeShown(true);
}

// Puts the text on the clipboard and presses "Paste URL"; `clock` is the page's paste clock,
// moved past the guard against double clicks.
inline void paste(DownloadingPage *page, qint64 *clock, const QString &text)
{
    QApplication::clipboard()->setText(text);
    *clock += 1050;
    page->onClickedPasteURLEx();
}

// The main window at that size, shown, its paste button on the test's clock; null when it
// does not appear.
inline std::unique_ptr<MainWindow> openWindow(const qint64 *clock, const QSize &size)
{
    auto window = std::make_unique<MainWindow>();
    window->downloading()->pasteRouter().setClock([clock] { return *clock; });
    window->resize(size);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

// Closes the window and ends every tool still running.
inline void closeWindow(std::unique_ptr<MainWindow> &window)
{
    window.reset();
    MyProcessHelper::instance()->killAll();
}

} // namespace testutil
