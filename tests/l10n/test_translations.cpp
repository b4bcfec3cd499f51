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
TEST(Translations, AreFinishedAndKeepPlaceholdersAndMnemonics)
{
    for (const char* lang : {"en", "fr", "pl"}) {
        const QList<TsMessage> messages = ReadTsFile(QLatin1String(lang));
        EXPECT_GT(messages.size(), 100) << lang;
        for (const TsMessage& m : messages) {
            const std::string where = std::string(lang) + " " + m.context.toStdString() + ": \"" +
                                      m.source.toStdString() + "\"";
            EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
            EXPECT_FALSE(m.translation.isEmpty()) << where << " has no translation";
            EXPECT_TRUE(Placeholders(m.translation).contains(Placeholders(m.source)))
                << where << " lost a placeholder";
            EXPECT_TRUE(!HasMnemonic(m.source) || HasMnemonic(m.translation)) << where << " lost its mnemonic";
        }
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
            EXPECT_FALSE(match.hasMatch()) << "fr " << m.context.toStdString() << ": \"" << m.source.toStdString()
                                           << "\" at \"" << match.captured().toStdString() << "\"";
        }
}
