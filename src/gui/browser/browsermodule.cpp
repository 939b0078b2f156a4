// The entry of the browser module (clipmoor-browser.so), which the main window loads when the
// browser tab is first opened. Everything else the browser uses (the engine, the site scripts,
// the preferences) is the application's own, resolved from the running program.
#include "gui/browser/browserwindow.h"

extern "C" Q_DECL_EXPORT BrowserPane *clipmoor_create_browser_pane(QWidget *parent)
{
    return BrowserWindow::create(parent);
}
