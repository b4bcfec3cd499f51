#include "hostdata/LikePattern.h"
#include "startup/KluniError.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

struct Case {
    const char* text;
    const char* pattern;
    bool expected;
};

void ExpectCases(std::initializer_list<Case> cases)
{
    for (const Case& c : cases) {
        EXPECT_EQ(Like(QString::fromUtf8(c.text), QString::fromUtf8(c.pattern)), c.expected)
            << '"' << c.text << "\" Like \"" << c.pattern << '"';
    }
}

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
    bool ok;
    if (p == u'?') {
        ok = true;
    } else if (p == u'#') {
        ok = t.isDigit();
    } else if (p == u'[') {
        const qsizetype close = pattern.indexOf(u']');
        QStringView list = pattern.mid(1, close - 1);
        const bool negated = list.startsWith(u'!');
        if (negated)
            list = list.mid(1);
        bool in = false;
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (i + 2 < list.size() && list[i + 1] == u'-') {
                in = in || (t >= list[i] && t <= list[i + 2]);
                i += 2;
            } else {
                in = in || t == list[i];
            }
        }
        ok = in != negated;
        used = close + 1;
    } else {
        ok = t == p;
    }
    return ok && ReferenceLike(text.mid(1), pattern.mid(used));
}

} // namespace

TEST(LikePattern, WildcardsAndLiterals)
{
    ExpectCases({
        {"abc", "abc", true},    {"abcd", "abc", false},  {"ab", "abc", false},
        {"abc", "a?c", true},    {"ac", "a?c", false},    {"a1c", "a#c", true},
        {"abc", "a#c", false},   {"", "*", true},         {"", "", true},
        {"a", "", false},        {"", "?", false},        {"abc", "*", true},
        {"abc", "a*", true},     {"abc", "*c", true},     {"abc", "*b*", true},
        {"abc", "*d*", false},   {"aab", "*ab", true},    {"abbbc", "a*b*c", true},
        {"abcb", "a*b", true},   {"abcbd", "a*b", false}, {"x9y", "*#*", true},
        {"a", "?*", true},       {"", "?*", false},       {"abc", "a**c", true},
        {"Haus", "haus", false}, {"a]b", "a]b", true},    {"a!b", "a!b", true},
    });
}

TEST(LikePattern, CharacterLists)
{
    ExpectCases({
        {"b", "[a-c]", true},  {"d", "[a-c]", false}, {"d", "[!a-c]", true}, {"b", "[!a-c]", false},
        {"x", "[axz]", true},  {"y", "[axz]", false}, {"5", "[0-9a-f]", true}, {"e", "[0-9a-f]", true},
        {"-", "[-a]", true},   {"-", "[a-]", true},   {"b", "[a-]", false},
        // Inside a list the wildcard characters and '[' stand for themselves.
        {"[", "[[]", true},    {"*", "[*]", true},    {"a", "[*]", false},   {"?", "[?]", true},
        {"#", "[#]", true},    {"1", "[#]", false},
        // An empty list matches the empty text; "[!]" is the character '!'.
        {"ab", "a[]b", true},  {"!", "[!]", true},    {"a", "[!]", false},
        // Ranges compare code units: umlauts lie outside a-z.
        {"ä", "[a-z]", false}, {"ä", "[!a-z]", true},
    });
}

TEST(LikePattern, RequiredText)
{
    EXPECT_EQ(LikePattern(QStringLiteral("*ab?cde*f")).RequiredText(), QStringLiteral("cde"));
    EXPECT_EQ(LikePattern(QStringLiteral("x[[]y[*]z")).RequiredText(), QStringLiteral("x"));
    EXPECT_EQ(LikePattern(QStringLiteral("*?#*")).RequiredText(), QString());
    EXPECT_EQ(LikePattern(QStringLiteral("[ab")).RequiredText(), QString());
}

TEST(LikePattern, UnreadablePatternThrowsOnMatchOnly)
{
    for (const char* bad : {"[abc", "a[", "[!", "[z-a]"}) {
        const LikePattern pattern{QString::fromUtf8(bad)};   // no throw here
        EXPECT_FALSE(pattern.IsValid()) << bad;
        try {
            pattern.Matches(QStringLiteral("abc"));
            ADD_FAILURE() << "no error for " << bad;
        } catch (const KluniError& e) {
            EXPECT_EQ(e.Number(), 93);
            EXPECT_EQ(e.Description(), QStringLiteral("Ungültige Musterzeichenfolge"));
        }
    }
}

TEST(LikePattern, ManyStarsDoNotBacktrackExponentially)
{
    const QString text(20000, u'a');
    const LikePattern pattern(QStringLiteral("*a*a*a*a*a*a*a*a*b"));
    EXPECT_FALSE(pattern.Matches(text));
    EXPECT_TRUE(pattern.Matches(text + u'b'));
}

TEST(LikePattern, AgreesWithRecursiveMatcherOnRandomInput)
{
    static const char* const pieces[] = {"a", "b", "1", "?", "*", "#", "[ab]", "[!a]", "[0-9]", "[a-b1]"};
    static const char textChars[] = "ab12";
    QRandomGenerator random(4711);
    for (int round = 0; round < 20000; ++round) {
        QString pattern;
        for (int n = random.bounded(7); n > 0; --n)
            pattern += QLatin1String(pieces[random.bounded(int(std::size(pieces)))]);
        QString text;
        for (int n = random.bounded(9); n > 0; --n)
            text += QLatin1Char(textChars[random.bounded(4)]);
        const LikePattern compiled(pattern);
        const bool matches = compiled.Matches(text);
        ASSERT_EQ(matches, ReferenceLike(text, pattern)) << qPrintable(text) << " Like " << qPrintable(pattern);
        // The plain text that a search may look for first is in every match.
        if (matches) {
            ASSERT_TRUE(text.contains(compiled.RequiredText())) << qPrintable(pattern);
        }
    }
}
