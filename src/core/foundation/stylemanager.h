#pragma once

#include <QObject>
#include <QString>

// Style sheets, read anew from our "qss" folder (resourcePath) on every request; a
// missing file gives an empty sheet (the widget keeps Qt's look).
class StyleManager : public QObject
{
    Q_OBJECT
public:
    static StyleManager *instance();
    QString styleSheet(const QString &fileName) const;
    QString leftBarStyle() const { return styleSheet(QStringLiteral("left_bar.qss")); }
    QString topButtonStyle() const { return styleSheet(QStringLiteral("top_btn.qss")); }

private:
    StyleManager() = default;
};
