#include "core/foundation/languagesettings.h"

#include "core/foundation/preferences.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTranslator>

static void initTranslationResources()
{
    Q_INIT_RESOURCE(translations);
}

namespace {
const char *const kFiles[] = {"en-us", "zh-cn", "zh-tw", "it-it", "de-de", "fr-fr", "es-es",
                              "pt-pt", "ja-jp", "ru-ru", "id-id", "hi-in", "ko-ko", "vi-vi"};
} // namespace

LanguageSettings *LanguageSettings::instance()
{
    static LanguageSettings *settings = new LanguageSettings;
    return settings;
}

LanguageSettings::LanguageSettings()
    : translator(new QTranslator(this))
{
    initTranslationResources();
    QCoreApplication::installTranslator(translator);
}

QString LanguageSettings::translationFile(int category)
{
    const int index = category >= 0 && category <= Vietnamese ? category : English;
    return QStringLiteral(":/translations/vantoro-%1.qm").arg(QLatin1String(kFiles[index]));
}

QList<QPair<int, QString>> LanguageSettings::languages() const
{
    static const std::pair<int, const char *> order[] = {
        {English, QT_TRANSLATE_NOOP("LanguageSettings", "English")},
        {Italian, QT_TRANSLATE_NOOP("LanguageSettings", "Italian")},
        {German, QT_TRANSLATE_NOOP("LanguageSettings", "German")},
        {French, QT_TRANSLATE_NOOP("LanguageSettings", "French")},
        {Spanish, QT_TRANSLATE_NOOP("LanguageSettings", "Spanish")},
        {Portuguese, QT_TRANSLATE_NOOP("LanguageSettings", "Portuguese")},
        {Russian, QT_TRANSLATE_NOOP("LanguageSettings", "Russian")},
        {Korean, QT_TRANSLATE_NOOP("LanguageSettings", "Korean")},
        {Indonesian, QT_TRANSLATE_NOOP("LanguageSettings", "Indonesian")},
        {Vietnamese, QT_TRANSLATE_NOOP("LanguageSettings", "Vietnamese")},
        {Hindi, QT_TRANSLATE_NOOP("LanguageSettings", "Hindi")},
        {Japanese, QT_TRANSLATE_NOOP("LanguageSettings", "Japanese")},
        {ChineseSimplified, QT_TRANSLATE_NOOP("LanguageSettings", "Chinese(Simplified)")},
        {ChineseTraditional, QT_TRANSLATE_NOOP("LanguageSettings", "Chinese(Traditional)")}};
    QList<QPair<int, QString>> list;
    for (const auto &[category, name] : order)
        list.append({category, QCoreApplication::translate("LanguageSettings", name)});
    return list;
}

int LanguageSettings::currentLanguage() const
{
    return Preferences::instance()->language();
}

void LanguageSettings::applyCurrentLanguage()
{
    setLanguage(currentLanguage());
}

bool LanguageSettings::setLanguage(int category)
{
    const QString file = translationFile(category);
    if (!translator->load(file)) {
        qDebug() << "Translator load faild! file: " << file;
        return false;
    }
    Preferences::instance()->setLanguage(category);
    Q_EMIT languageChanged(LanguagesCategory(category));
    return true;
}
