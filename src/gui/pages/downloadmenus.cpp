#include "gui/pages/downloadmenus.h"

#include "core/foundation/globals.h"
#include "core/foundation/stylemanager.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace {

const char *const kVideoTargets[] = {"MP4",
                                     QT_TRANSLATE_NOOP("DownloadingPage", "Original Video"),
                                     "HEVC MP4",
                                     "iPhone/iPod",
                                     "iPad",
                                     "Android Phone",
                                     "Android Tablets",
                                     "MOV",
                                     "AVI",
                                     "FLV",
                                     "WMV",
                                     "HEVC MKV",
                                     "MKV",
                                     "3GP"};
const char *const kAudioTargets[] = {"MP3", QT_TRANSLATE_NOOP("DownloadingPage", "Original Audio"),
                                     "M4A", "WAV",
                                     "AAC", "FLAC",
                                     "OGG", "AIFF",
                                     "MKA"};

// The menus' texts belong to the page.
QString pageText(const char *text)
{
    return QCoreApplication::translate("DownloadingPage", text);
}

// A checkable entry of the menu's one choice group.
void addChoice(QMenu *menu, const QString &text, const QString &value, bool checked)
{
    auto *group = menu->findChild<QActionGroup *>();
    if (!group)
        group = new QActionGroup(menu);
    QAction *action = menu->addAction(text);
    action->setData(value);
    action->setCheckable(true);
    action->setChecked(checked);
    group->addAction(action);
}

} // namespace

namespace downloadmenus {

bool isOriginalTarget(const QString &target)
{
    return target.contains(QLatin1String("Original Video")) ||
           target.contains(QLatin1String("Original Audio"));
}

QMenu *popupMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setStyleSheet(StyleManager::instance()->styleSheet(QStringLiteral("QMenu.qss")));
    // Deleted only later: QMenu::triggered comes after aboutToHide.
    QObject::connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    return menu;
}

QMenu *speedLimitMenu(QWidget *parent, const QString &current)
{
    QMenu *menu = popupMenu(parent);
    for (const QString &label : speedLimitLabels())
        addChoice(menu,
                  label == QLatin1String("Unlimited")
                      ? QCoreApplication::translate("DownloadingPage", "Turbo-fast")
                      : label,
                  label, label == current);
    return menu;
}

QMenu *convertTargetMenu(QWidget *parent, const QString &current)
{
    QMenu *menu = popupMenu(parent);
    const auto add = [&](const char *target) {
        const QString value = QString::fromLatin1(target);
        addChoice(menu, isOriginalTarget(value) ? pageText(target) : value, value,
                  value == current);
    };
    for (const char *target : kVideoTargets)
        add(target);
    menu->addSeparator();
    for (const char *target : kAudioTargets)
        add(target);
    return menu;
}

} // namespace downloadmenus
