#pragma once

// Makes the browser tab's pane: through a factory that the program registered (tests and benches
// link the browser in), or else from the browser module beside the helper programs, loaded on
// the first call and kept for the life of the program.

#include "gui/widgets/browserpane.h"

void setBrowserPaneFactory(BrowserPaneFactory factory);

// Null when the module cannot be loaded; *error then says why (for the log and the page shown
// instead).
BrowserPane *createBrowserPane(QWidget *parent, QString *error);

// What the browser tab shows when the module cannot be loaded.
QWidget *createBrowserUnavailablePage(const QString &error, QWidget *parent);
