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

namespace {

// The number of numerus forms that Qt's rules give each language (French
// takes its singular for 0 and 1, Polish has one, few and many).
const struct {
    const char* lang;
    const char* tsLanguage;
    int forms;
} kNumerus[] = {{"de", "de_DE", 2}, {"en", "en_US", 2}, {"fr", "fr_FR", 2}, {"pl", "pl_PL", 3}};

std::string Where(const char* lang, const TsMessage& m)
{
    return std::string(lang) + " " + m.context.toStdString() + ": \"" + m.source.toStdString() + "\"";
}

} // namespace

// Reports every entry that lupdate left unfinished or that no longer occurs
// in the sources, and translations (each numerus form) that lost a
// placeholder or a mnemonic.
TEST(Translations, AreFinishedAndKeepPlaceholdersAndMnemonics)
{
    for (const char* lang : {"en", "fr", "pl"}) {
        const QList<TsMessage> messages = ReadTsFile(QLatin1String(lang));
        EXPECT_GT(messages.size(), 100) << lang;
        for (const TsMessage& m : messages) {
            const std::string where = Where(lang, m);
            EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
            const QStringList forms = m.numerus ? m.forms : QStringList{m.translation};
            for (const QString& form : forms) {
                EXPECT_FALSE(form.isEmpty()) << where << " has no translation";
                EXPECT_TRUE(Placeholders(form).contains(Placeholders(m.source))) << where << " lost a placeholder";
                EXPECT_TRUE(!HasMnemonic(m.source) || HasMnemonic(form)) << where << " lost its mnemonic";
            }
        }
    }
}

// Texts with a count: each language has the forms its rules need, and every
// language, German included, the same set of them (kluni_de.ts holds nothing
// else: scripts/update-translations keeps it so). The count is the one "%n"
// of such a text; line breaks (%m, another %n) stay outside it. The German
// plural is the source text itself.
TEST(Translations, CountedTextsHaveEveryNumerusForm)
{
    QSet<QString> counted;
    for (const TsMessage& m : ReadTsFile(QStringLiteral("en")))
        if (m.numerus)
            counted.insert(m.context + QLatin1Char('/') + m.source);
    EXPECT_GE(counted.size(), 9);
    for (const auto& numerus : kNumerus) {
        const QString lang = QLatin1String(numerus.lang);
        EXPECT_EQ(TsLanguage(lang), QLatin1String(numerus.tsLanguage));
        QSet<QString> found;
        for (const TsMessage& m : ReadTsFile(lang)) {
            if (!m.numerus)
                continue;
            const std::string where = Where(numerus.lang, m);
            found.insert(m.context + QLatin1Char('/') + m.source);
            EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
            EXPECT_EQ(m.source.count(QStringLiteral("%n")), 1) << where;
            EXPECT_FALSE(m.source.contains(QStringLiteral("%m")) || m.source.contains(QStringLiteral("%t"))) << where;
            EXPECT_EQ(m.forms.size(), numerus.forms) << where;
            for (const QString& form : m.forms)
                EXPECT_EQ(Placeholders(form), Placeholders(m.source)) << where << ": \"" << form.toStdString() << "\"";
            if (lang == QLatin1String("de") && !m.forms.isEmpty())
                EXPECT_EQ(m.forms.last(), m.source) << where;
        }
        EXPECT_EQ(found, counted) << numerus.lang;
        if (lang == QLatin1String("de"))
            EXPECT_EQ(ReadTsFile(lang).size(), counted.size()) << "kluni_de.ts holds only the counted texts";
    }
}

// French sets : ; ! ? and the inside of « » apart with no-break spaces
// (U+00A0, or the narrow U+202F), so that no line starts with such a mark.
TEST(Translations, FrenchPunctuationKeepsItsNoBreakSpaces)
{
    // A breaking space before the mark or inside the quotes (\s is ASCII
    // white space here), or no space at all; a colon counts when a space
    // follows it (not in "C:\").
    static const QRegularExpression fault(
        QStringLiteral("\\s[:;!?»]|«\\s|[^\\s\\x{a0}\\x{202f}][;!?»]|[^\\s\\x{a0}\\x{202f}]:(?=\\s|$)|«[^\\x{a0}\\x{202f}]"));
    for (const TsMessage& m : ReadTsFile(QStringLiteral("fr")))
        for (const QString& form : m.numerus ? m.forms : QStringList{m.translation}) {
            const QRegularExpressionMatch match = fault.match(form);
            EXPECT_FALSE(match.hasMatch()) << Where("fr", m) << " at \"" << match.captured().toStdString() << "\"";
        }
}
