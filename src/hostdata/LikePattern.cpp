#include "hostdata/LikePattern.h"

#include "startup/KluniError.h"
#include <QCoreApplication>

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
    throw KluniError(93, QCoreApplication::translate("LikePattern", "Ungültige Musterzeichenfolge"));
}

LikePattern::LikePattern(const QString& pattern)
{
    Compile(pattern);
    if (m_valid)
        BuildSegments();
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

void LikePattern::BuildSegments()
{
    Segment segment;
    for (qsizetype i = 0; i <= m_tokens.size(); ++i) {
        if (i == m_tokens.size() || m_tokens[i].kind == Token::Star) {
            m_segments.append(segment);
            segment = Segment();
            segment.begin = i + 1;
            continue;
        }
        ++segment.length;
        if (m_tokens[i].kind == Token::Literal)
            segment.literal.append(QChar(m_tokens[i].ch));
        else
            segment.isLiteral = false;
    }
}

bool LikePattern::SegmentMatchesAt(const Segment& segment, const QChar* text) const
{
    const Token* token = m_tokens.constData() + segment.begin;
    for (qsizetype i = 0; i < segment.length; ++i, ++token) {
        if (!TokenMatches(*token, text[i]))
            return false;
    }
    return true;
}

// The leftmost position p with from <= p and p + length <= to where the segment
// matches, or -1.
qsizetype LikePattern::FindSegment(const Segment& segment, const QChar* text, qsizetype from, qsizetype to) const
{
    if (segment.isLiteral)
        return QStringView(text, to).indexOf(segment.literal, from);
    for (qsizetype p = from; p + segment.length <= to; ++p) {
        if (SegmentMatchesAt(segment, text + p))
            return p;
    }
    return -1;
}

// The stars cut the pattern into segments of fixed length. The first must
// match at the start of the text and the last at its end; each one between
// is taken at its leftmost place after the one before, which can only leave
// more room for the rest. At most length * tokens steps, and literal segments
// are found with a plain substring search.
bool LikePattern::Matches(const QChar* text, qsizetype length) const
{
    if (!m_valid)
        ThrowInvalidPattern();

    const Segment& first = m_segments.constFirst();
    if (m_segments.size() == 1)
        return length == first.length && SegmentMatchesAt(first, text);

    const Segment& last = m_segments.constLast();
    if (length < first.length + last.length)
        return false;
    if (!SegmentMatchesAt(first, text) || !SegmentMatchesAt(last, text + length - last.length))
        return false;

    qsizetype from = first.length;
    const qsizetype to = length - last.length;
    for (qsizetype s = 1; s + 1 < m_segments.size(); ++s) {
        const Segment& segment = m_segments[s];
        if (segment.length == 0)
            continue;
        const qsizetype found = FindSegment(segment, text, from, to);
        if (found < 0)
            return false;
        from = found + segment.length;
    }
    return true;
}

QString LikePattern::RequiredText() const
{
    QString longest;
    for (const Segment& segment : m_segments) {
        QString run;
        for (qsizetype i = 0; i <= segment.length; ++i) {
            if (i < segment.length && m_tokens[segment.begin + i].kind == Token::Literal) {
                run.append(QChar(m_tokens[segment.begin + i].ch));
                continue;
            }
            if (run.size() > longest.size())
                longest = run;
            run.clear();
        }
    }
    return longest;
}

bool Like(const QString& text, const QString& pattern)
{
    return LikePattern(pattern).Matches(text);
}
