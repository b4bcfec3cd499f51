#include "startup/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

const QString kGerman = QStringLiteral("de");
const QString kEnglish = QStringLiteral("en");

struct Translators {
    QString lang = kGerman;
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Translators& Installed()
{
    static Translators translators;
    return translators;
}

// What goes with each interface language; German first, the fallback.
struct LanguageFacts {
    const char* lang;
    const char* category;   // the category language that matches it
    const char* handbook;   // the handbook's file name (docs/CMakeLists.txt builds the same)
};
constexpr LanguageFacts kLanguages[] = {
    {"de", "GER", "KurzAnleitung Kluni.pdf"},
    {"en", "ENG", "Kluni Quick Guide.pdf"},
    {"fr", "FRA", "Kluni Guide rapide.pdf"},
    {"pl", "POL", "Kluni Instrukcja.pdf"},
};

const LanguageFacts* Find(const QString& lang)
{
    for (const LanguageFacts& facts : kLanguages)
        if (lang == QLatin1String(facts.lang))
            return &facts;
    return nullptr;
}

const LanguageFacts& Facts(const QString& lang)
{
    const LanguageFacts* facts = Find(lang);
    return facts ? *facts : kLanguages[0];
}

std::unique_ptr<QTranslator> Load(const QString& file, const QString& dir)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, dir) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace

namespace InterfaceLanguage {

QString Choose(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        // Only "C" itself means no language: Qt reads names it does not know as "C" too.
        if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
            return kGerman;
        const QString lang = QLocale(name).name().section(QLatin1Char('_'), 0, 0);
        if (Find(lang))
            return lang;
    }
    return uiLanguages.isEmpty() ? kGerman : kEnglish;
}

QString FromSystem()
{
    return Choose(QLocale::system().uiLanguages());
}

void Install(const QString& lang, bool withQt)
{
    Translators& t = Installed();
    // Removing first keeps an older translation from answering for the new one.
    t.own.reset();
    t.qt.reset();
    t.lang = lang;
    // Numbers shown in the windows follow the interface language too.
    QLocale::setDefault(QLocale(lang == kGerman ? QStringLiteral("de_DE") : lang));
    t.own = Load(QStringLiteral("kluni_") + lang, QStringLiteral(":/translations"));
    if (withQt)
        t.qt = Load(QStringLiteral("qtbase_") + lang, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString Current()
{
    return Installed().lang;
}

QString CategoryLanguage(const QString& lang)
{
    return QLatin1String(Facts(lang).category);
}

QString HandbookFile(const QString& lang)
{
    return QString::fromUtf8(Facts(lang).handbook);
}

} // namespace InterfaceLanguage
