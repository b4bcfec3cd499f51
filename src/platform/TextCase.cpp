#include "platform/TextCase.h"

#include <QHash>

#include <array>
#include <atomic>
#include <mutex>

namespace {

// The case of every character of the Basic Multilingual Plane, filled on
// demand. 0 marks a character not yet looked up (no character other than
// U+0000 maps to it); kSpecial one whose case is not a single character.
// Qt maps each character by itself, without looking at its neighbours, so a
// text maps character by character.
class CaseTable {
public:
    using Mapper = QString (QString::*)() const &;

    static constexpr char16_t kSpecial = 0xD800;   // a surrogate: never a mapping of one character

    explicit CaseTable(Mapper mapper) : m_mapper(mapper) {}

    char16_t Map(char16_t c)
    {
        if (c >= 0xD800 && c <= 0xDFFF)
            return kSpecial;
        char16_t mapped = m_table[c].load(std::memory_order_relaxed);
        if (mapped == 0) {
            const QString result = (QString(QChar(c)).*m_mapper)();
            mapped = result.size() == 1 && !result.at(0).isSurrogate() ? result.at(0).unicode() : kSpecial;
            m_table[c].store(mapped, std::memory_order_relaxed);
        }
        return mapped;
    }

    // Appends the mapped text to out.
    void Apply(QStringView text, char16_t asciiFrom, char16_t asciiTo, QString& out)
    {
        const auto ascii = [=](char16_t c) { return QChar(c >= asciiFrom && c <= asciiTo ? char16_t(c ^ 0x20) : c); };
        // Most texts map one to one and are written in place.
        const qsizetype start = out.size();
        out.resize(start + text.size());
        QChar* to = out.data() + start;
        qsizetype i = 0;
        for (; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            const char16_t mapped = c < 0x80 ? ascii(c).unicode() : Map(c);
            if (mapped == kSpecial)
                break;
            *to++ = QChar(mapped);
        }
        if (i == text.size())
            return;
        out.truncate(to - out.constData());
        for (; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c < 0x80) {
                out.append(ascii(c));
                continue;
            }
            if (QChar::isSurrogate(c)) {
                out.truncate(start);
                out.append((text.toString().*m_mapper)());
                return;
            }
            const char16_t mapped = Map(c);
            if (mapped == kSpecial)
                out.append(Expansion(c));
            else
                out.append(QChar(mapped));
        }
    }

private:
    // The several characters that a special character maps to.
    QString Expansion(char16_t c)
    {
        const std::lock_guard<std::mutex> lock(m_expansionsMutex);
        auto it = m_expansions.constFind(c);
        if (it == m_expansions.cend())
            it = m_expansions.insert(c, (QString(QChar(c)).*m_mapper)());
        return *it;
    }

    Mapper m_mapper;
    std::array<std::atomic<char16_t>, 0x10000> m_table{};
    std::mutex m_expansionsMutex;
    QHash<char16_t, QString> m_expansions;
};

CaseTable& LowerTable()
{
    static CaseTable table(&QString::toLower);
    return table;
}

CaseTable& UpperTable()
{
    static CaseTable table(&QString::toUpper);
    return table;
}

} // namespace

namespace TextCase {

// A string of its own is allocated at its size: appending to an empty string
// would leave room to grow, which a hundred thousand kept names pay for.
QString Lower(QStringView text)
{
    QString out;
    out.reserve(text.size());
    AppendLower(text, out);
    return out;
}

QString Upper(QStringView text)
{
    QString out;
    out.reserve(text.size());
    AppendUpper(text, out);
    return out;
}

void AppendLower(QStringView text, QString& out)
{
    LowerTable().Apply(text, u'A', u'Z', out);
}

void AppendUpper(QStringView text, QString& out)
{
    UpperTable().Apply(text, u'a', u'z', out);
}

void AppendUpperOneToOne(QStringView text, QString& out)
{
    CaseTable& table = UpperTable();
    const qsizetype start = out.size();
    out.resize(start + text.size());
    QChar* to = out.data() + start;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x80) {
            *to++ = QChar(c >= u'a' && c <= u'z' ? char16_t(c ^ 0x20) : c);
            continue;
        }
        const char16_t mapped = table.Map(c);
        if (mapped != CaseTable::kSpecial) {
            *to++ = QChar(mapped);
            continue;
        }
        const char32_t simple = QChar::toUpper(char32_t(c));
        *to++ = QChar(simple <= 0xFFFF ? char16_t(simple) : c);
    }
}

} // namespace TextCase
