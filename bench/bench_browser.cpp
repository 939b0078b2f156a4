// Memory of the built-in browser: the resident memory of the application (and of the web
// engine's helper processes) before the browser is opened, with one page open, and after going
// home, which frees the web view and its page process. Runs the real main window in a temporary
// home, with a page served on 127.0.0.1: under the offscreen platform, or under the X server of
// DISPLAY when QT_QPA_PLATFORM=xcb is set. Like the application, it loads the browser from its
// module (clipmoor-browser.so) when the browser tab is opened, and each line says whether the
// OpenGL driver is loaded by then.
//
//   bench_browser [PICTURE]   PICTURE: the window with the page open is saved there
#include "core/foundation/preferences.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/widgets/browserpane.h"
#include "gui/widgets/pictures.h"
#include "helpers/httpserver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {
// Resident memory in KiB of a process, from /proc.
qint64 residentKiB(const QString &pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// The process ids below `pid` (children, grandchildren, ...).
QStringList descendants(const QString &pid)
{
    QStringList found;
    const QStringList all = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : all) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1) == pid.toLatin1())
            found << entry << descendants(entry);
    }
    return found;
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Whether the process has an OpenGL driver mapped (Mesa's DRI drivers, or a vendor's libGL
// implementation through libGLX).
bool openGlDriverLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = maps.readAll();
    return text.contains("_dri.so") || text.contains("libGLX_");
}

void report(const char *when)
{
    const QString self = QString::number(QCoreApplication::applicationPid());
    const qint64 app = residentKiB(self);
    qint64 helpers = 0;
    const QStringList children = descendants(self);
    for (const QString &child : children)
        helpers += residentKiB(child);
    std::printf("%-34s app %7.1f MiB   web engine helpers %7.1f MiB (%d processes), OpenGL %s\n",
                when, app / 1024.0, helpers / 1024.0, int(children.size()),
                openGlDriverLoaded() ? "loaded" : "not loaded");
}
} // namespace

int main(int argc, char **argv)
{
    if (qgetenv("QT_QPA_PLATFORM") != "xcb") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_QUICK_BACKEND", "software");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    }
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    qputenv("CLIPMOOR_UPDATE_SERVER", "http://127.0.0.1:9");
    qputenv("CLIPMOOR_NO_BROWSER", "1");
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets); // as the application does
    QApplication app(argc, argv);
    seedPreferences();
    initGuiResources();
    Preferences::instance()->setWelcomeShown(true);
    Preferences::instance()->setDownloadDir(home.path());

    QFile page(home.path() + "/watch.html");
    page.open(QIODevice::WriteOnly);
    page.write("<!doctype html><html><body><h1>A page</h1><video controls width=640 height=360 "
               "src='clip.mp4'></video><p>Some text.</p></body></html>");
    page.close();
    TestHttpServer server(home.path());
    server.start();

    MainWindow window;
    window.resize(1100, 720);
    window.show();
    settle(2000);
    report("before the browser is opened");

    window.tabs()->button(2)->click();
    BrowserPane *browser = window.browser();
    if (!browser) {
        std::printf("the browser module did not load (see the log)\n");
        return 1;
    }
    settle(1000);
    report("browser tab, start page");

    browser->setUrl(QUrl(server.url("watch.html")));
    settle(6000);
    report("one page open");
    if (argc > 1)
        window.grab().save(QString::fromLocal8Bit(argv[1]));

    browser->goHome();
    settle(3000);
    report("after going home");

    browser->setUrl(QUrl(server.url("watch.html")));
    settle(3000);
    browser->goHome();
    settle(3000);
    report("after a second page and home");
    return 0;
}
