#include "hostdata/LikePattern.h"
#include "startup/KluniError.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// Straightforward recursive matcher for the token kinds the random test uses.
bool ReferenceLike(QStringView text, QStringView pattern)
{
    if (pattern.isEmpty())
        return text.isEmpty();
    const QChar p = pattern.front();
    if (p == u'*')
        return ReferenceLike(text, pattern.mid(1)) || (!text.isEmpty() && ReferenceLike(text.mid(1), pattern));
    if (text.isEmpty())
        return false;
    const QChar t = text.front();
    qsizetype used = 1;
    bool ok = p == u'#' ? t.isDigit() : p == u'?' || t == p;
    if (p == u'[') {
        used = pattern.indexOf(u']') + 1;
        QStringView list = pattern.mid(1, used - 2);
        const bool negated = list.startsWith(u'!');
        list = list.mid(negated ? 1 : 0);
        bool in = false;
        for (qsizetype i = 0; i < list.size(); ++i) {
            const bool range = i + 2 < list.size() && list[i + 1] == u'-';
            in = in || (range ? t >= list[i] && t <= list[i + 2] : t == list[i]);
            i += range ? 2 : 0;
        }
        ok = in != negated;
    }
    return ok && ReferenceLike(text.mid(1), pattern.mid(used));
}

} // namespace

TEST(LikePattern, WildcardsLiteralsAndCharacterLists)
{
    const struct { const char *text, *pattern; bool expected; } rows[] = {
        {"abc", "abc", true},   {"abcd", "abc", false},  {"ab", "abc", false},    {"abc", "a?c", true},
        {"ac", "a?c", false},   {"a1c", "a#c", true},    {"abc", "a#c", false},   {"x9y", "*#*", true},
        {"", "*", true},        {"", "", true},          {"a", "", false},        {"", "?", false},
        {"abc", "*b*", true},   {"abc", "*d*", false},   {"aab", "*ab", true},    {"abcb", "a*b", true},
        {"abcbd", "a*b", false}, {"", "?*", false},      {"abc", "a**c", true},   {"Haus", "haus", false},
        {"a]b", "a]b", true},   {"a!b", "a!b", true},    {"b", "[a-c]", true},    {"d", "[a-c]", false},
        {"d", "[!a-c]", true},  {"b", "[!a-c]", false},  {"y", "[axz]", false},   {"e", "[0-9a-f]", true},
        {"-", "[-a]", true},    {"-", "[a-]", true},     {"b", "[a-]", false},
        // Inside a list the wildcard characters and '[' stand for themselves.
        {"[", "[[]", true},     {"*", "[*]", true},      {"a", "[*]", false},    {"?", "[?]", true},
        {"#", "[#]", true},     {"1", "[#]", false},
        // An empty list matches the empty text; "[!]" is the character '!'.
        {"ab", "a[]b", true},   {"!", "[!]", true},      {"a", "[!]", false},
        // Ranges compare code units: umlauts lie outside a-z.
        {"ä", "[a-z]", false},  {"ä", "[!a-z]", true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Like(QString::fromUtf8(row.text), QString::fromUtf8(row.pattern)), row.expected)
            << '"' << row.text << "\" Like \"" << row.pattern << '"';
}

TEST(LikePattern, RequiredTextAndUnreadablePatterns)
{
    const struct { const char *pattern, *required; } rows[] = {{"*ab?cde*f", "cde"}, {"x[[]y[*]z", "x"}, {"*?#*", ""}, {"[ab", ""}};
    for (const auto& row : rows)
        EXPECT_EQ(LikePattern(row.pattern).RequiredText(), row.required) << row.pattern;

    // An unreadable pattern is an error when it is used, not when it is made.
    for (const char* bad : {"[abc", "a[", "[!", "[z-a]"}) {
        const LikePattern pattern{QString(bad)};
        EXPECT_FALSE(pattern.IsValid()) << bad;
        try {
            pattern.Matches("abc");
            ADD_FAILURE() << "no error for " << bad;
        } catch (const KluniError& e) {
            EXPECT_EQ(QString::number(e.Number()) + ' ' + e.Description(), "93 Ungültige Musterzeichenfolge") << bad;
        }
    }
    // Many stars do not backtrack exponentially.
    const LikePattern stars("*a*a*a*a*a*a*a*a*b");
    EXPECT_FALSE(stars.Matches(QString(20000, u'a')));
    EXPECT_TRUE(stars.Matches(QString(20000, u'a') + u'b'));
}

TEST(LikePattern, AgreesWithRecursiveMatcherOnRandomInput)
{
    static const char* const pieces[] = {"a", "b", "1", "?", "*", "#", "[ab]", "[!a]", "[0-9]", "[a-b1]"};
    QRandomGenerator random(4711);
    for (int round = 0; round < 20000; ++round) {
        QString pattern;
        for (int n = random.bounded(7); n > 0; --n)
            pattern += QLatin1String(pieces[random.bounded(int(std::size(pieces)))]);
        QString text;
        for (int n = random.bounded(9); n > 0; --n)
            text += QLatin1Char("ab12"[random.bounded(4)]);
        const LikePattern compiled(pattern);
        const bool matches = compiled.Matches(text);
        ASSERT_EQ(matches, ReferenceLike(text, pattern)) << qPrintable(text) << " Like " << qPrintable(pattern);
        // The plain text that a search may look for first is in every match.
        if (matches)
            ASSERT_TRUE(text.contains(compiled.RequiredText())) << qPrintable(pattern);
    }
}
