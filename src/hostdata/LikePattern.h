#pragma once

#include <QString>
#include <QVector>

// The classic Basic pattern operator: '?' any one character, '*' any run of
// characters, '#' one digit, "[list]" / "[!list]" with ranges a-z; every other
// character only itself. Exact, case-sensitive. A pattern is compiled once and
// matched without exponential backtracking.
class LikePattern {
public:
    explicit LikePattern(const QString& pattern);
    bool Matches(const QString& text) const;
    bool Matches(const QChar* text, qsizetype length) const;

private:
    struct Token;
    QVector<Token> m_tokens;   // defined in the .cpp
};

// One-off form: text Like pattern.
bool Like(const QString& text, const QString& pattern);
