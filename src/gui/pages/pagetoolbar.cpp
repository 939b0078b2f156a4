#include "gui/pages/pagetoolbar.h"

#include "core/foundation/privatelistmanager.h"
#include "core/foundation/stylemanager.h"
#include "gui/widgets/pictures.h"

#include <QEvent>

namespace pagetoolbar {

QPushButton *imageButton(QWidget *parent, const QString &picture)
{
    auto *button = new QPushButton(parent);
    button->setFont(applicationFont(11));
    button->setMinimumSize(29, 29);
    button->setIconSize(QSize(24, 24));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(
        StyleManager::instance()->styleSheet(QStringLiteral("top_image_btn.qss")).arg(picture));
    return button;
}

} // namespace pagetoolbar

PrivateModeButton::PrivateModeButton(QWidget *parent)
    : QPushButton(parent)
{
    setMinimumSize(29, 29);
    setIconSize(QSize(24, 24));
    setCursor(Qt::PointingHandCursor);
    PrivateListManager *privacy = PrivateListManager::instance();
    connect(privacy, &PrivateListManager::locked, this, [this] { refresh(true); });
    connect(privacy, &PrivateListManager::unlocked, this, [this](bool turnOff) {
        if (turnOff)
            refresh(false);
    });
    refresh(privacy->isOn());
}

void PrivateModeButton::refresh(bool privateModeOn)
{
    on = privateModeOn;
    setStyleSheet(StyleManager::instance()
                      ->styleSheet(QStringLiteral("top_image_btn.qss"))
                      .arg(QLatin1String(on ? "QP/private_2.png" : "QP/private_4.png")));
    setToolTip(on ? tr("Turn off Private Mode") : tr("Turn on Private Mode"));
    // Without the password dialog private mode cannot be switched from here.
    setVisible(PrivateListManager::instance()->canAsk());
}

void PrivateModeButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refresh(on);
    QPushButton::changeEvent(event);
}
