// The pattern operator with pattern and text both fuzzed (split at the first
// zero byte). Patterns without bracket lists are checked against a plain
// dynamic-programming matcher; literal patterns built by the name search must
// always match the text they were built from.
#include "FuzzSupport.h"

#include "hostdata/CModels.h"
#include "hostdata/LikePattern.h"
#include "platform/TextCodec.h"
#include "startup/KluniError.h"

#include <vector>

namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// '?', '*', '#' and literal characters; no bracket lists.
bool ReferenceLike(const QString& text, const QString& pattern)
{
    const qsizetype n = text.size();
    // row[j]: pattern prefix matches text prefix of length j.
    std::vector<char> row(size_t(n + 1), 0);
    row[0] = 1;
    for (const QChar p : pattern) {
        std::vector<char> next(size_t(n + 1), 0);
        if (p == QLatin1Char('*')) {
            char any = 0;
            for (qsizetype j = 0; j <= n; ++j) {
                any = any || row[size_t(j)];
                next[size_t(j)] = any;
            }
        } else {
            for (qsizetype j = 1; j <= n; ++j) {
                const QChar t = text[j - 1];
                const bool one = p == QLatin1Char('?') || (p == QLatin1Char('#') ? IsAsciiDigit(t) : p == t);
                next[size_t(j)] = row[size_t(j - 1)] && one;
            }
        }
        row.swap(next);
    }
    return row[size_t(n)] != 0;
}

bool HasNonAsciiDigitLike(const QString& text)
{
    for (const QChar c : text)
        if (c.isDigit() && !IsAsciiDigit(c))
            return true;
    return false;
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

    bool matched = false;
    try {
        const LikePattern compiled(pattern);
        matched = compiled.Matches(text);
        FUZZ_CHECK_EQ(Like(text, pattern), matched);
    } catch (const KluniError&) {
        // An invalid pattern (an unclosed list, say) is a run-time error for the caller.
        FUZZ_CHECK(pattern.contains(QLatin1Char('[')));
        return 0;
    }

    const bool plain = !pattern.contains(QLatin1Char('['));
    const bool digitsClear = !pattern.contains(QLatin1Char('#')) || !HasNonAsciiDigitLike(text);
    if (plain && digitsClear && qint64(pattern.size()) * text.size() < 2'000'000)
        FUZZ_CHECK_EQ(matched, ReferenceLike(text, pattern));
    return 0;
}
