#include "hostdata/LikePattern.h"

#include "startup/KluniError.h"

struct LikePattern::Range {
    char16_t first;
    char16_t last;
};

struct LikePattern::Token {
    enum Kind : quint8 { Literal, AnyChar, Digit, Star, List };
    Kind kind = Literal;
    bool negated = false;        // List: "[!...]"
    char16_t ch = 0;             // Literal
    qsizetype rangeBegin = 0;    // List: its ranges in m_ranges
    qsizetype rangeCount = 0;
};

void ThrowInvalidPattern()
{
    throw KluniError(93, QStringLiteral("Ungültige Musterzeichenfolge"));
}

LikePattern::LikePattern(const QString& pattern)
{
    Compile(pattern);
}

LikePattern::~LikePattern() = default;
LikePattern::LikePattern(const LikePattern&) = default;
LikePattern& LikePattern::operator=(const LikePattern&) = default;

void LikePattern::Compile(const QString& pattern)
{
    m_tokens.reserve(pattern.size());
    qsizetype pos = 0;
    while (pos < pattern.size()) {
        const char16_t c = pattern.at(pos).unicode();
        ++pos;
        Token token;
        switch (c) {
        case u'?':
            token.kind = Token::AnyChar;
            break;
        case u'#':
            token.kind = Token::Digit;
            break;
        case u'*':
            // A run of stars means no more than one star.
            if (!m_tokens.isEmpty() && m_tokens.constLast().kind == Token::Star)
                continue;
            token.kind = Token::Star;
            break;
        case u'[':
            if (!CompileList(pattern, pos)) {
                m_valid = false;
                m_tokens.clear();
                m_ranges.clear();
                return;
            }
            continue;
        default:
            token.ch = c;
            break;
        }
        m_tokens.append(token);
    }
}

// Reads a list that starts at pos (just after its '['); leaves pos after its ']'.
bool LikePattern::CompileList(const QString& pattern, qsizetype& pos)
{
    bool negated = false;
    if (pos < pattern.size() && pattern.at(pos) == u'!') {
        negated = true;
        ++pos;
    }
    const qsizetype close = pattern.indexOf(u']', pos);
    if (close < 0)
        return false;
    const qsizetype begin = pos;
    pos = close + 1;

    Token token;
    if (begin == close) {
        if (!negated)
            return true;              // "[]" matches the empty text: no token
        token.ch = u'!';              // "[!]" is the character '!'
        m_tokens.append(token);
        return true;
    }

    token.kind = Token::List;
    token.negated = negated;
    token.rangeBegin = m_ranges.size();
    qsizetype i = begin;
    while (i < close) {
        const char16_t first = pattern.at(i).unicode();
        if (i + 2 < close && pattern.at(i + 1) == u'-') {
            const char16_t last = pattern.at(i + 2).unicode();
            if (last < first)
                return false;
            m_ranges.append({first, last});
            i += 3;
        } else {
            m_ranges.append({first, first});
            ++i;
        }
    }
    token.rangeCount = m_ranges.size() - token.rangeBegin;
    m_tokens.append(token);
    return true;
}

bool LikePattern::TokenMatches(const Token& token, QChar qc) const
{
    const char16_t c = qc.unicode();
    switch (token.kind) {
    case Token::Literal:
        return c == token.ch;
    case Token::AnyChar:
        return true;
    case Token::Digit:
        return c >= u'0' && c <= u'9';
    case Token::List: {
        const Range* range = m_ranges.constData() + token.rangeBegin;
        const Range* end = range + token.rangeCount;
        bool inList = false;
        for (; range != end && !inList; ++range)
            inList = c >= range->first && c <= range->last;
        return inList != token.negated;
    }
    case Token::Star:
        break;
    }
    return false;
}

// Every token but the star takes exactly one character, so the classic
// two-pointer walk is exact: on a mismatch, let the latest star take one more
// character and go on from there. At most length * tokens steps.
bool LikePattern::Matches(const QChar* text, qsizetype length) const
{
    if (!m_valid)
        ThrowInvalidPattern();

    const Token* tokens = m_tokens.constData();
    const qsizetype tokenCount = m_tokens.size();
    qsizetype t = 0;               // next text position
    qsizetype p = 0;               // next token
    qsizetype starToken = -1;      // token after the latest star
    qsizetype starText = 0;        // text position that star's run ends at

    while (t < length) {
        if (p < tokenCount && tokens[p].kind == Token::Star) {
            starToken = ++p;
            starText = t;
        } else if (p < tokenCount && TokenMatches(tokens[p], text[t])) {
            ++p;
            ++t;
        } else if (starToken >= 0) {
            p = starToken;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < tokenCount && tokens[p].kind == Token::Star)
        ++p;
    return p == tokenCount;
}

bool Like(const QString& text, const QString& pattern)
{
    return LikePattern(pattern).Matches(text);
}
