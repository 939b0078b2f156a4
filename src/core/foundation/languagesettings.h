#pragma once

// The interface language: the list offered to the user, the one translator installed in the
// application and the switch between languages while the application runs.

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class QTranslator;

class LanguageSettings : public QObject
{
    Q_OBJECT
public:
    enum LanguagesCategory
    {
        English = 0,
        ChineseSimplified = 1,
        ChineseTraditional = 2,
        Italian = 3,
        German = 4,
        French = 5,
        Spanish = 6,
        Portuguese = 7,
        Japanese = 8,
        Russian = 9,
        Indonesian = 10,
        Hindi = 11,
        Korean = 12,
        Vietnamese = 13,
    };
    Q_ENUM(LanguagesCategory)

    static LanguageSettings *instance();

    // (category, the language's name in that language) in menu order.
    QList<QPair<int, QString>> languages() const;
    int currentLanguage() const;
    void applyCurrentLanguage();
    // False (the previous language stays) when the translation cannot be loaded.
    bool setLanguage(int category);
    static QString translationFile(int category);

Q_SIGNALS:
    void languageChanged(LanguageSettings::LanguagesCategory category);

private:
    LanguageSettings();
    QTranslator *translator;
};
