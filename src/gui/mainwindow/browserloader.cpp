#include "gui/mainwindow/browserloader.h"

#include "core/foundation/applog.h"
#include "core/foundation/paths.h"
#include "core/platform/platform.h"

#include <QLabel>
#include <QLibrary>
#include <QVBoxLayout>

namespace {

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
    return factory ? factory(parent) : nullptr;
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
