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

// A styled menu whose entries are checkable choices of one group.
struct ChoiceMenu
{
    QMenu menu;
    QActionGroup *group;
    ChoiceMenu()
        : group(new QActionGroup(&menu))
    {
        menu.setStyleSheet(StyleManager::instance()->styleSheet(QStringLiteral("QMenu.qss")));
    }
    void add(const QString &text, const QString &value, bool checked)
    {
        QAction *action = menu.addAction(text);
        action->setData(value);
        action->setCheckable(true);
        action->setChecked(checked);
        group->addAction(action);
    }
    QString exec(const QPoint &at)
    {
        const QAction *chosen = menu.exec(at);
        return chosen ? chosen->data().toString() : QString();
    }
};

} // namespace

namespace downloadmenus {

bool isOriginalTarget(const QString &target)
{
    return target.contains(QLatin1String("Original Video")) ||
           target.contains(QLatin1String("Original Audio"));
}

QString chooseSpeedLimit(const QPoint &at, const QString &current)
{
    ChoiceMenu choice;
    for (const QString &label : speedLimitLabels())
        choice.add(label == QLatin1String("Unlimited")
                       ? QCoreApplication::translate("DownloadingPage", "Turbo-fast")
                       : label,
                   label, label == current);
    return choice.exec(at);
}

QString chooseConvertTarget(const QPoint &at, const QString &current)
{
    ChoiceMenu choice;
    const auto add = [&](const char *target) {
        const QString value = QString::fromLatin1(target);
        choice.add(isOriginalTarget(value) ? pageText(target) : value, value, value == current);
    };
    for (const char *target : kVideoTargets)
        add(target);
    choice.menu.addSeparator();
    for (const char *target : kAudioTargets)
        add(target);
    return choice.exec(at);
}

} // namespace downloadmenus
