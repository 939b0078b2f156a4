#pragma once

// Setting up tests of the real main window: update checks that fail at once on 127.0.0.1, no
// system browser, the interface's pictures, (for real downloads) the real download tool with
// plain settings, the window itself and its paste button pressed on a clock of the test's own.

#include "core/foundation/preferences.h"
#include "core/process/myprocess.h"
#include "core/provision/updatecheck.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/pages/downloadingpage.h"
#include "gui/widgets/pictures.h"
#include "helpers/gui_test.h"

#include <cstdio>
#include <functional>
#include <memory>

namespace testutil {

inline void prepareWindowEnvironment()
{
    qputenv("CLIPMOOR_UPDATE_SERVER", "http://127.0.0.1:9");
    qputenv("CLIPMOOR_NO_BROWSER", "1");
    UpdateRetrier::waitMs = 1;
    initGuiResources();
}

// Downloads with the real download tool into `folder`: nothing converted, no cookies read from
// other browsers, nothing resumed at start, no welcome page.
inline void prepareRealDownloads(const QString &folder)
{
    Preferences *prefs = Preferences::instance();
    prefs->setToolLocation(testutil::helperPath(QStringLiteral("../bin/vantoro-dl")));
    prefs->setDownloadDir(folder);
    prefs->setOneClickFormat(QStringLiteral("Original Video"));
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

// The main window at that size, shown, its paste button on the test's clock (if one is given);
// null when it does not appear.
inline std::unique_ptr<MainWindow> openWindow(const qint64 *clock, const QSize &size)
{
    auto window = std::make_unique<MainWindow>();
    if (clock)
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

// A restart of the application, in a second process of the same test program: the same home, the
// same settings and lists. The test's main() calls answerAsRestartedApp(describe) before the
// tests; the test calls restartAndDescribe() and gets what the restarted window showed.
constexpr char kRestartedAppVariable[] = "CLIPMOOR_E2E_SECOND_RUN";

// In the second process only: shows the real main window on the lists the first one left, prints
// describe(window) (one JSON line) and ends the process. Elsewhere it returns at once.
inline void answerAsRestartedApp(const std::function<QByteArray(MainWindow &)> &describe)
{
    if (!qEnvironmentVariableIsSet(kRestartedAppVariable))
        return;
    QStandardPaths::setTestModeEnabled(true);
    prepareWindowEnvironment();
    MainWindow window;
    window.resize(1100, 720);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::_Exit(1);
    const QByteArray lists = describe(window);
    std::fwrite(lists.constData(), 1, size_t(lists.size()), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
    MyProcessHelper::instance()->killAll();
    std::_Exit(0);
}

// Starts the second process and returns its description; empty when it failed or timed out.
inline QJsonObject restartAndDescribe()
{
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kRestartedAppVariable), QStringLiteral("1"));
    second.setProcessEnvironment(env);
    second.start(QCoreApplication::applicationFilePath(), QStringList());
    if (!second.waitForFinished(60000) || second.exitStatus() != QProcess::NormalExit ||
        second.exitCode() != 0) {
        second.kill();
        second.waitForFinished();
        return QJsonObject();
    }
    const QByteArray last = second.readAllStandardOutput().trimmed().split('\n').last();
    return QJsonDocument::fromJson(last).object();
}

} // namespace testutil
