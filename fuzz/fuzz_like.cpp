// The pattern operator with pattern and text both fuzzed (split at the first
// zero byte), checked against a plain dynamic-programming matcher; literal
// patterns built by the name search must always match the text they were
// built from.
#include "FuzzSupport.h"

#include "hostdata/CModels.h"
#include "hostdata/LikePattern.h"
#include "platform/TextCodec.h"
#include "startup/KluniError.h"

#include <QVector>
#include <utility>
#include <vector>

namespace {

// One position of a pattern: a star, or the characters of some ranges (or
// all others when negated).
struct Token {
    bool star = false;
    bool negated = false;
    QVector<std::pair<char16_t, char16_t>> ranges;
    bool Accepts(char16_t c) const
    {
        bool in = false;
        for (const auto& [first, last] : ranges)
            in = in || (c >= first && c <= last);
        return in != negated;
    }
};

// The operator's rules: '?' any character, '#' a digit 0-9, '*' any run,
// "[...]" / "[!...]" lists with ranges a-z ("[]" stands for nothing, "[!]"
// for '!'), everything else itself. False for an unclosed list or a range
// running backwards.
bool ReferenceTokens(const QString& p, QVector<Token>& tokens)
{
    for (qsizetype i = 0; i < p.size(); ++i) {
        const char16_t c = p[i].unicode();
        Token token;
        if (c == u'*') {
            token.star = true;
        } else if (c == u'?') {
            token.ranges = {{0, 0xFFFF}};
        } else if (c == u'#') {
            token.ranges = {{u'0', u'9'}};
        } else if (c != u'[') {
            token.ranges = {{c, c}};
        } else {
            token.negated = i + 1 < p.size() && p[i + 1] == u'!';
            const qsizetype j = i + 1 + (token.negated ? 1 : 0);
            const qsizetype close = p.indexOf(u']', j);
            if (close < 0)
                return false;
            i = close;
            if (close == j && !token.negated)
                continue;   // "[]"
            if (close == j)
                token = Token{false, false, {{u'!', u'!'}}};   // "[!]"
            for (qsizetype k = j; k < close; ++k) {
                const bool range = k + 2 < close && p[k + 1] == u'-';
                const char16_t last = p[range ? k + 2 : k].unicode();
                if (last < p[k].unicode())
                    return false;
                token.ranges.append({p[k].unicode(), last});
                k += range ? 2 : 0;
            }
        }
        tokens.append(token);
    }
    return true;
}

// row[j]: the tokens so far match the text's first j characters.
bool ReferenceLike(const QString& text, const QVector<Token>& tokens)
{
    const size_t n = size_t(text.size());
    std::vector<char> row(n + 1, 0);
    row[0] = 1;
    for (const Token& token : tokens) {
        std::vector<char> next(n + 1, 0);
        for (size_t j = 0; j <= n; ++j)
            next[j] = token.star ? (row[j] || (j > 0 && next[j - 1]))
                                 : (j > 0 && row[j - 1] && token.Accepts(text[qsizetype(j - 1)].unicode()));
        row.swap(next);
    }
    return row[n] != 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> fields = SplitFields(data, size, 2);
    const QString pattern = TextCodec::DecodeCp1252(fields.value(0));
    const QString text = TextCodec::DecodeCp1252(fields.value(1));

    if (text.size() < 2000) {
        // "lautet exakt" of the text itself; "enthält", "beginnt mit", "endet mit" of a part.
        const qsizetype third = text.size() / 3;
        FUZZ_CHECK(Like(text, CModels::BuildPattern(1, text)));
        FUZZ_CHECK(!Like(text + QLatin1Char('x'), CModels::BuildPattern(1, text)));
        FUZZ_CHECK(Like(text, CModels::BuildPattern(0, text.mid(third, third + 1))));
        FUZZ_CHECK(Like(text, CModels::BuildPattern(2, text.left(third))));
        FUZZ_CHECK(Like(text, CModels::BuildPattern(3, text.right(third))));
    }

    QVector<Token> tokens;
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
