#include "gui/mainwindow/mainwindow.h"

// The main window opens where it was last closed: placeWindow decides, the settings remember.

#include "core/foundation/preferences.h"
#include "gui/mainwindow/windowplacement.h"
#include "gui/widgets/mainwindowhelper.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

void MainWindow::showRestored()
{
    const Preferences::WindowPlacement last = Preferences::instance()->windowPlacement();
    QList<ScreenArea> screens;
    // Drawn off any screen (pictures, tests), the window has no screen to fit into.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        const QScreen *primary = QGuiApplication::primaryScreen();
        for (const QScreen *screen : QGuiApplication::screens()) {
            const ScreenArea area{screen->name(), screen->availableGeometry()};
            screen == primary ? screens.prepend(area) : screens.append(area);
        }
    }
    MainWindowHelper *helper = MainWindowHelper::instance();
    const QRect place =
        placeWindow(last.geometry, last.screen, screens, helper->scaled(QSize(1070, 680)));
    // Never larger than the screen it opens on, or its bottom bar would be cut off.
    setMinimumSize(helper->scaled(QSize(800, 480)).boundedTo(place.size()));
    setGeometry(place);
    if (last.tab != 0 && tabGroup->button(last.tab)) {
        tabGroup->button(last.tab)->setChecked(true);
        onTabClicked(last.tab);
    }
    if (last.maximized) {
        setTitleButtonStyle(maxButton, QStringLiteral("maxmin"));
        showMaximized();
    } else {
        show();
    }
}

void MainWindow::savePlacement() const
{
    Preferences::WindowPlacement now;
    now.maximized = isMaximized() || isFullScreen();
    now.geometry = now.maximized ? normalGeometry() : geometry();
    now.screen = screen() ? screen()->name() : QString();
    now.tab = qMax(0, tabGroup->checkedId());
    Preferences::instance()->setWindowPlacement(now);
}
