#include "platform/TextCase.h"

#include <array>
#include <atomic>

namespace {

// The case of every character of the Basic Multilingual Plane, filled on
// demand. 0 marks a character not yet looked up (no character other than
// U+0000 maps to it); kSpecial one whose case is not a single character.
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

    QString Apply(QStringView text, char16_t asciiFrom, char16_t asciiTo)
    {
        QString out(text.size(), Qt::Uninitialized);
        QChar* to = out.data();
        for (const QChar ch : text) {
            const char16_t c = ch.unicode();
            if (c < 0x80) {
                *to++ = QChar(c >= asciiFrom && c <= asciiTo ? char16_t(c ^ 0x20) : c);
                continue;
            }
            const char16_t mapped = Map(c);
            if (mapped == kSpecial)
                return (text.toString().*m_mapper)();
            *to++ = QChar(mapped);
        }
        return out;
    }

private:
    Mapper m_mapper;
    std::array<std::atomic<char16_t>, 0x10000> m_table{};
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

QString Lower(QStringView text)
{
    return LowerTable().Apply(text, u'A', u'Z');
}

QString Upper(QStringView text)
{
    return UpperTable().Apply(text, u'a', u'z');
}

} // namespace TextCase
