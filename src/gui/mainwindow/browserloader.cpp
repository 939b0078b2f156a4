#include "gui/mainwindow/browserloader.h"

#include "core/foundation/applog.h"
#include "core/foundation/paths.h"
#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>
#include <QOpenGLContext>
#include <QVBoxLayout>
#include <QWindow>

// Qt GUI's hook for the context every other OpenGL context shares with. Qt WebEngine makes and
// sets its own through it when the application object made none; here it is set before the
// engine is loaded.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {

void deleteSharedContext()
{
    QOpenGLContext *context = QOpenGLContext::globalShareContext();
    qt_gl_set_global_share_context(nullptr);
    delete context;
}

// Qt WebEngine draws its pages with OpenGL contexts that share with one global context. The
// program does not have Qt make it at start (Qt::AA_ShareOpenGLContexts before the application
// object) but makes it here, before the engine's library is loaded: that library otherwise
// warns that it was loaded from a plugin, and pages are drawn without the graphics processor.
// A context that cannot be created (no OpenGL at all) is kept as it is: the engine then draws in
// software, as it would with Qt's own.
void makeSharedContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto *context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
    qAddPostRoutine(deleteSharedContext);
}

// The program starts with raster-only windows (Qt::AA_ForceRasterWidgets, set in main): a
// window that could show OpenGL content would load and start the OpenGL driver before the first
// frame (under X about 55 MB and 100 ms), for users who may never browse. The browser's view is
// such content: windows made from now on can show it, and `window`, made before, is made again
// as one that can (its native window is replaced; the widgets stay as they are).
void allowOpenGlIn(QWidget *window)
{
    if (!QCoreApplication::testAttribute(Qt::AA_ForceRasterWidgets))
        return;
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets, false);
    QWindow *handle = window ? window->windowHandle() : nullptr;
    if (!handle || handle->surfaceType() != QSurface::RasterSurface)
        return;
    const bool shown = handle->isVisible();
    handle->destroy();
    handle->setSurfaceType(QSurface::RasterGLSurface);
    if (shown)
        handle->setVisible(true);
}

BrowserPaneFactory registeredFactory = nullptr;

BrowserPaneFactory moduleFactory(QString *error)
{
    static BrowserPaneFactory factory = nullptr;
    static QString loadError;
    if (factory || !loadError.isEmpty()) {
        *error = loadError;
        return factory;
    }
    // The web engine refuses to start its sandbox as root and takes the program down with it;
    // there the pages run without it (containers and test machines run as root).
    if (platform::runsAsAdministrator() &&
        !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        writeLog(QStringLiteral("[Browser]"),
                 QStringLiteral("running as root: the web engine's sandbox is turned off"));
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    makeSharedContext();
    // Never unloaded: the pane's code and its Qt WebEngine stay until the program ends.
    static QLibrary module(helperPath(QStringLiteral("clipmoor-browser.so")));
    if (!module.load()) {
        loadError = module.errorString();
    } else {
        factory =
            reinterpret_cast<BrowserPaneFactory>(module.resolve("clipmoor_create_browser_pane"));
        if (!factory)
            loadError = module.errorString();
    }
    writeLog(QStringLiteral("[Browser]"),
             loadError.isEmpty() ? QStringLiteral("browser module loaded")
                                 : QStringLiteral("cannot load the browser: %1").arg(loadError));
    *error = loadError;
    return factory;
}

} // namespace

void setBrowserPaneFactory(BrowserPaneFactory factory)
{
    registeredFactory = factory;
}

BrowserPane *createBrowserPane(QWidget *parent, QString *error)
{
    error->clear();
    BrowserPaneFactory factory = registeredFactory ? registeredFactory : moduleFactory(error);
    if (!factory)
        return nullptr;
    allowOpenGlIn(parent ? parent->window() : nullptr);
    return factory(parent);
}

QWidget *createBrowserUnavailablePage(const QString &error, QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *layout = new QVBoxLayout(page);
    auto *label =
        new QLabel(QObject::tr("The built-in browser cannot start.\n%1\n\nPasting addresses on the "
                               "downloading page still works.")
                       .arg(error),
                   page);
    label->setObjectName(QStringLiteral("browserUnavailable"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    layout->addWidget(label);
    return page;
}
