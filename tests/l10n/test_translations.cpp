// The choice of the interface language and the translation sources.

#include "TsFile.h"
#include "startup/InterfaceLanguage.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QSet<QString> Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9nmt]"));
    QSet<QString> found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

// A single "&" before a character marks a menu mnemonic; "&&" is a plain "&".
bool HasMnemonic(const QString& text)
{
    return QString(text).remove(QStringLiteral("&&")).contains(QRegularExpression(QStringLiteral("&\\S")));
}

} // namespace

TEST(InterfaceLanguage, ChoosesFromTheSystemsLanguages)
{
    const struct {
        QStringList uiLanguages;
        const char* lang;
    } rows[] = {
        {{"C"}, "de"}, {{"POSIX"}, "de"}, {{}, "de"}, {{"de-AT", "de"}, "de"}, {{"en-GB"}, "en"}, {{"fr-CA", "fr"}, "fr"},
        {{"pl-PL", "pl"}, "pl"}, {{"es-ES", "es", "pl"}, "pl"}, {{"es-ES", "it"}, "en"}, {{"xx-unknown", "fr"}, "fr"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(InterfaceLanguage::Choose(row.uiLanguages), QLatin1String(row.lang))
            << row.uiLanguages.join(',').toStdString();
}

// Reports every entry that lupdate left unfinished or that no longer occurs
// in the sources, and translations that lost a placeholder or a mnemonic.
// Texts with a count have the numerus forms of each language, the same texts
// in every file, German's holding only them (scripts/update-translations),
// its plural the source text; their one "%n" is the count, so no line break
// (%m, %n) belongs to them. French sets : ; ! ? and the inside of « » apart
// with no-break spaces (U+00A0, U+202F), so that no line starts with a mark.
TEST(Translations, AreFinishedAndKeepPlaceholdersMnemonicsAndNumerusForms)
{
    // A breaking space before the mark or inside the quotes (\s is ASCII
    // white space here), or none at all; a colon when a space follows it.
    static const QRegularExpression french(
        QStringLiteral("\\s[:;!?»]|«\\s|[^\\s\\x{a0}\\x{202f}][;!?»]|[^\\s\\x{a0}\\x{202f}]:(?=\\s|$)|«[^\\x{a0}\\x{202f}]"));
    const struct { const char* lang; int forms; } languages[] = {{"en", 2}, {"fr", 2}, {"pl", 3}, {"de", 2}};
    QStringList counted;
    for (const auto& language : languages) {
        const QString lang = QLatin1String(language.lang);
        const QList<TsMessage> messages = ReadTsFile(lang);
        EXPECT_GT(messages.size(), lang == QLatin1String("de") ? 8 : 100) << language.lang;
        QStringList found;
        for (const TsMessage& m : messages) {
            const std::string where = std::string(language.lang) + " " + m.context.toStdString() + ": \"" +
                                      m.source.toStdString() + "\"";
            EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
            EXPECT_EQ(m.forms.size(), m.numerus ? language.forms : 1) << where;
            EXPECT_TRUE(!m.numerus || (m.source.count(QStringLiteral("%n")) == 1 && !m.source.contains(QStringLiteral("%m"))))
                << where;
            EXPECT_TRUE(lang != QLatin1String("de") || (m.numerus && m.forms.last() == m.source)) << where;
            if (m.numerus)
                found << m.context + QLatin1Char('/') + m.source;
            for (const QString& form : m.forms) {
                EXPECT_FALSE(form.isEmpty()) << where << " has no translation";
                EXPECT_TRUE(Placeholders(form).contains(Placeholders(m.source))) << where << " lost a placeholder";
                EXPECT_TRUE(!HasMnemonic(m.source) || HasMnemonic(form)) << where << " lost its mnemonic";
                EXPECT_FALSE(lang == QLatin1String("fr") && french.match(form).hasMatch())
                    << where << " at \"" << french.match(form).captured().toStdString() << "\"";
            }
        }
        found.sort();
        if (counted.isEmpty())
            counted = found;
        EXPECT_EQ(found, counted) << language.lang;
    }
}
