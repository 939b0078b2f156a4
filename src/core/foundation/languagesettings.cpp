#include "core/foundation/languagesettings.h"

#include "core/foundation/preferences.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibraryInfo>
#include <QLocale>
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
    , qtTranslator(new QTranslator(this))
{
    initTranslationResources();
    QCoreApplication::installTranslator(qtTranslator);
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
    // Other threads translate at any time (Qt's network texts, for one), so an installed
    // translator is never loaded again: the new language goes into new translators, which are
    // installed before the old ones are taken out and deleted.
    const QString file = translationFile(category);
    auto *next = new QTranslator(this);
    if (!next->load(file)) {
        qDebug() << "Translator load faild! file: " << file;
        delete next;
        return false;
    }
    // "de-de" -> qtbase_de.qm, "zh-tw" -> qtbase_zh_TW.qm. A load that finds nothing leaves the
    // translator empty: a language Qt has no texts for keeps them in English.
    const int index = category >= 0 && category <= Vietnamese ? category : English;
    const QLocale locale(
        QString::fromLatin1(kFiles[index]).replace(QLatin1Char('-'), QLatin1Char('_')));
    auto *nextQt = new QTranslator(this);
    nextQt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    // The one installed last is asked first: ours before Qt's.
    QCoreApplication::installTranslator(nextQt);
    QCoreApplication::installTranslator(next);
    QCoreApplication::removeTranslator(translator);
    QCoreApplication::removeTranslator(qtTranslator);
    delete translator;
    delete qtTranslator;
    translator = next;
    qtTranslator = nextQt;
    Preferences::instance()->setLanguage(category);
    Q_EMIT languageChanged(LanguagesCategory(category));
    return true;
}
