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
    // Each language in its own name, never translated: whoever cannot read the current
    // language still finds their own.
    static const std::pair<int, const char *> order[] = {{English, "English"},
                                                         {Italian, "Italiano"},
                                                         {German, "Deutsch"},
                                                         {French, "Français"},
                                                         {Spanish, "Español"},
                                                         {Portuguese, "Português"},
                                                         {Russian, "Русский"},
                                                         {Korean, "한국어"},
                                                         {Indonesian, "Bahasa Indonesia"},
                                                         {Vietnamese, "Tiếng Việt"},
                                                         {Hindi, "हिन्दी"},
                                                         {Japanese, "日本語"},
                                                         {ChineseSimplified, "简体中文"},
                                                         {ChineseTraditional, "繁體中文"}};
    QList<QPair<int, QString>> list;
    for (const auto &[category, name] : order)
        list.append({category, QString::fromUtf8(name)});
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
