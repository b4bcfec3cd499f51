// The pattern operator with pattern and text both fuzzed (split at the first
// zero byte), checked against a plain dynamic-programming matcher; literal
// patterns built by the name search must always match the text they were
// built from.
#include "FuzzSupport.h"

#include "hostdata/CModels.h"
#include "hostdata/LikePattern.h"
#include "platform/TextCodec.h"
#include "startup/KluniError.h"

#include <QPair>
#include <QVector>
#include <vector>

namespace {

// One position of a pattern: a set of characters (ranges, possibly negated)
// or a star.
struct RefToken {
    bool star = false;
    bool negated = false;
    QVector<QPair<char16_t, char16_t>> ranges;
    bool Accepts(QChar c) const
    {
        bool in = false;
        for (const auto& range : ranges)
            in = in || (c.unicode() >= range.first && c.unicode() <= range.second);
        return in != negated;
    }
};

RefToken Single(char16_t first, char16_t last)
{
    RefToken token;
    token.ranges.append({first, last});
    return token;
}

// The operator's rules: '?' any character, '#' a digit 0-9, '*' any run,
// "[...]" / "[!...]" lists with ranges a-z ("[]" stands for nothing, "[!]"
// for '!'), everything else itself. False for an unclosed list or a range
// running backwards.
bool ReferenceTokens(const QString& pattern, QVector<RefToken>& tokens)
{
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const char16_t c = pattern[i].unicode();
        if (c == u'*') {
            RefToken star;
            star.star = true;
            tokens.append(star);
        } else if (c == u'?') {
            RefToken any = Single(0, 0xFFFF);
            tokens.append(any);
        } else if (c == u'#') {
            tokens.append(Single(u'0', u'9'));
        } else if (c == u'[') {
            qsizetype j = i + 1;
            const bool negated = j < pattern.size() && pattern[j] == QLatin1Char('!');
            if (negated)
                ++j;
            const qsizetype close = pattern.indexOf(QLatin1Char(']'), j);
            if (close < 0)
                return false;
            if (close == j) {
                if (negated)
                    tokens.append(Single(u'!', u'!'));
                i = close;
                continue;
            }
            RefToken list;
            list.negated = negated;
            for (qsizetype k = j; k < close;) {
                const char16_t first = pattern[k].unicode();
                if (k + 2 < close && pattern[k + 1] == QLatin1Char('-')) {
                    const char16_t last = pattern[k + 2].unicode();
                    if (last < first)
                        return false;
                    list.ranges.append({first, last});
                    k += 3;
                } else {
                    list.ranges.append({first, first});
                    ++k;
                }
            }
            tokens.append(list);
            i = close;
        } else {
            tokens.append(Single(c, c));
        }
    }
    return true;
}

// Plain dynamic programming over pattern positions and text prefixes.
bool ReferenceLike(const QString& text, const QVector<RefToken>& tokens)
{
    const qsizetype n = text.size();
    // row[j]: the tokens so far match the text prefix of length j.
    std::vector<char> row(size_t(n + 1), 0);
    row[0] = 1;
    for (const RefToken& token : tokens) {
        std::vector<char> next(size_t(n + 1), 0);
        if (token.star) {
            char any = 0;
            for (qsizetype j = 0; j <= n; ++j) {
                any = any || row[size_t(j)];
                next[size_t(j)] = any;
            }
        } else {
            for (qsizetype j = 1; j <= n; ++j)
                next[size_t(j)] = row[size_t(j - 1)] && token.Accepts(text[j - 1]);
        }
        row.swap(next);
    }
    return row[size_t(n)] != 0;
}

void CheckLiteralPatterns(const QString& text)
{
    // Operator 1 ("lautet exakt") of the text itself, 0/2/3 of a part of it.
    FUZZ_CHECK(Like(text, CModels::BuildPattern(1, text)));
    FUZZ_CHECK(!Like(text + QLatin1Char('x'), CModels::BuildPattern(1, text)));
    const qsizetype third = text.size() / 3;
    FUZZ_CHECK(Like(text, CModels::BuildPattern(0, text.mid(third, third + 1))));
    FUZZ_CHECK(Like(text, CModels::BuildPattern(2, text.left(third))));
    FUZZ_CHECK(Like(text, CModels::BuildPattern(3, text.right(third))));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> fields = SplitFields(data, size, 2);
    const QString pattern = TextCodec::DecodeCp1252(fields.value(0));
    const QString text = TextCodec::DecodeCp1252(fields.value(1));

    if (text.size() < 2000)
        CheckLiteralPatterns(text);

    QVector<RefToken> tokens;
    const bool valid = ReferenceTokens(pattern, tokens);
    try {
        const LikePattern compiled(pattern);
        const bool matched = compiled.Matches(text);
        FUZZ_CHECK(valid);
        FUZZ_CHECK_EQ(Like(text, pattern), matched);
        if (qint64(tokens.size()) * text.size() < 2'000'000)
            FUZZ_CHECK_EQ(matched, ReferenceLike(text, tokens));
        // The name search passes over lines without this text: every match holds it.
        if (matched)
            FUZZ_CHECK(text.contains(compiled.RequiredText()));
    } catch (const KluniError& error) {
        // An invalid pattern is a run-time error for the caller.
        FUZZ_CHECK(!valid);
        FUZZ_CHECK_EQ(error.Number(), 93);
    }
    return 0;
}
