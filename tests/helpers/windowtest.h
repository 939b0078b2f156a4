#pragma once

// Setting up tests of the real main window: update checks that fail at once on 127.0.0.1, no
// system browser, the interface's pictures, and (for real downloads) the real download tool with
// plain settings.

#include "core/foundation/preferences.h"
#include "core/provision/updatecheck.h"
#include "gui/widgets/pictures.h"
#include "helpers/testutil.h"

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
    prefs->setToolLocation(helperPath(QStringLiteral("../bin/vantoro-dl")));
    prefs->setDownloadDir(folder);
    prefs->setOneClickFormat(QStringLiteral("Original Video"));
    prefs->setReadCookies(false);
    prefs->setResumeOnStartup(false);
    prefs->setWelcomeShown(true);
}

} // namespace testutil
