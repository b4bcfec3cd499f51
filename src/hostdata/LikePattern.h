#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

// The classic Basic pattern operator: '?' any one character, '*' any run of
// characters, '#' one digit, "[list]" / "[!list]" with ranges a-z; every other
// character only itself. Exact, case-sensitive. A pattern is compiled once and
// matched without exponential backtracking.
//
// Inside a list every character stands for itself ("[[]" matches '[', "[*]"
// matches '*'); a '-' first or last in the list is itself; "[]" matches the
// empty text; "[!]" matches '!'. A pattern that cannot be read (a '[' without
// its ']', a range written downwards such as "[z-a]") is a run-time error as in
// Basic: every match against it throws KluniError 93 "Ungültige
// Musterzeichenfolge". The error comes with the first match, not with the
// construction, so that a search whose list has nothing to compare never fails.
class LikePattern {
public:
    explicit LikePattern(const QString& pattern);
    ~LikePattern();
    LikePattern(const LikePattern&);
    LikePattern& operator=(const LikePattern&);

    bool IsValid() const { return m_valid; }
    bool Matches(const QString& text) const { return Matches(text.constData(), text.size()); }
    bool Matches(QStringView text) const { return Matches(text.data(), text.size()); }
    bool Matches(const QChar* text, qsizetype length) const;
    // The longest run of plain characters of the pattern: every matching text
    // contains it. Empty when there is none or the pattern cannot be read.
    QString RequiredText() const;

private:
    struct Token;
    struct Range;
    // A run of tokens between two stars (or an end of the pattern). Each token
    // takes one character, so a segment has a fixed length.
    struct Segment {
        qsizetype begin = 0;    // its tokens in m_tokens
        qsizetype length = 0;
        QString literal;        // the segment's text when it has literal tokens only
        bool isLiteral = true;
    };

    void Compile(const QString& pattern);
    bool CompileList(const QString& pattern, qsizetype& pos);
    void BuildSegments();
    bool TokenMatches(const Token& token, QChar c) const;
    bool SegmentMatchesAt(const Segment& segment, const QChar* text) const;
    qsizetype FindSegment(const Segment& segment, const QChar* text, qsizetype from, qsizetype to) const;

    QVector<Token> m_tokens;   // defined in the .cpp
    QVector<Range> m_ranges;   // the character ranges of all lists, referred to by the tokens
    QVector<Segment> m_segments;   // one more than there are stars
    bool m_valid = true;
};

// One-off form: text Like pattern.
bool Like(const QString& text, const QString& pattern);

// The error that an unreadable pattern raises.
[[noreturn]] void ThrowInvalidPattern();
