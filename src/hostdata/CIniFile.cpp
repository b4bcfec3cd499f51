#include "hostdata/CIniFile.h"

#include "platform/HostPath.h"
#include "platform/TextCodec.h"
#include "startup/KluniError.h"

#include <QCoreApplication>
#include <QtAlgorithms>
#include <algorithm>
#include <functional>
#include <cstring>
#include <iterator>

namespace {

// Enough to read "Models.ini" in few calls; small files get a buffer of their size.
constexpr qsizetype kMaxBufferSize = 256 * 1024;

// Blanks and tabs are single bytes in Windows-1252, so trimming works the same
// on the raw line and on the decoded text.
template <typename Char>
void TrimLeftBlanks(const Char*& begin, const Char* end)
{
    while (begin != end && *begin == ' ')
        ++begin;
}

template <typename Char>
void TrimRightBlanks(const Char* begin, const Char*& end)
{
    while (end != begin && end[-1] == ' ')
        --end;
}

// Leading blanks; then, while a tab leads, the tab and the blanks after it.
template <typename Char>
void LTrimBlanksAndTabs(const Char*& begin, const Char* end)
{
    TrimLeftBlanks(begin, end);
    while (begin != end && *begin == '\t') {
        ++begin;
        TrimLeftBlanks(begin, end);
    }
}

template <typename Char>
void RTrimBlanksAndTabs(const Char* begin, const Char*& end)
{
    TrimRightBlanks(begin, end);
    while (end != begin && end[-1] == '\t') {
        --end;
        TrimRightBlanks(begin, end);
    }
}

// Each byte as a character, and that character in lower case: one table
// look-up per byte instead of a decode pass and a case-mapping pass.
struct CodeTables {
    char16_t decoded[256];
    char16_t lower[256];
    unsigned char lowerByte[256];   // the byte of lower[b]
    bool lowerBytesExact = true;    // every lower[b] has a byte
};

const CodeTables& Tables()
{
    static const CodeTables tables = [] {
        CodeTables t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString c = TextCodec::DecodeCp1252(&byte, 1);
            const QString lower = c.toLower();
            t.decoded[b] = c.at(0).unicode();
            // No Windows-1252 character lower-cases to more than one.
            t.lower[b] = lower.size() == 1 ? lower.at(0).unicode() : t.decoded[b];
        }
        for (int b = 0; b < 256; ++b) {
            const auto* byte = std::find(std::begin(t.decoded), std::end(t.decoded), t.lower[b]);
            t.lowerBytesExact = t.lowerBytesExact && byte != std::end(t.decoded);
            t.lowerByte[b] = static_cast<unsigned char>(byte - std::begin(t.decoded));
        }
        return t;
    }();
    return tables;
}

// Decodes into an existing string, reusing its storage when nobody shares it
// and it is large enough. A caller that kept the last text (a stored model
// path) leaves it shared: the new text then gets storage of its exact size,
// not the room to grow that resizing would add, since the next caller may
// keep it as well.
void DecodeInto(QString& out, const char* begin, const char* end, const char16_t* table)
{
    const qsizetype size = end - begin;
    if (out.isDetached() && out.capacity() >= size)
        out.resize(size);
    else
        out = QString(size, Qt::Uninitialized);
    QChar* to = out.data();
    for (; begin != end; ++begin, ++to)
        *to = QChar(table[static_cast<unsigned char>(*begin)]);
}

} // namespace

CIniFile::CIniFile() = default;

CIniFile::~CIniFile() = default;   // closing errors are of no interest here

bool CIniFile::Init(const QString& ptFile, LookupCache* cache)
{
    // Only ordinary files; opening one of anything else never waits.
    Close();
    if (!HostPath::OpenReadOnly(ptFile, m_file, cache))
        return false;
    Open(m_file.Size());
    return true;
}

bool CIniFile::InitFromBytes(const QByteArray& bytes)
{
    Close();
    m_bytes = bytes;
    m_fromBytes = true;
    Open(bytes.size());
    return true;
}

void CIniFile::Open(qint64 size)
{
    m_size = size;
    m_bytesRead = 0;
    const qsizetype bufferSize = size > 0 && size < kMaxBufferSize ? qsizetype(size) + 1 : kMaxBufferSize;
    if (bufferSize <= kInlineBuffer) {
        m_buffer = m_inlineBuffer;
    } else {
        m_heapBuffer.resize(bufferSize);
        m_buffer = m_heapBuffer.data();
    }
    m_bufferSize = bufferSize;
    m_bufferPos = m_bufferEnd = 0;
    m_skipLineFeed = false;
    m_atEnd = false;
    m_line.clear();
    m_linePtr = nullptr;
    m_lineLength = 0;
    m_lineOffset = -1;
    m_filter = FilterNone;
    m_kind = KindSection;
    SetSection(nullptr, nullptr);
    SetName(nullptr, nullptr);
    SetValue(nullptr, nullptr);
}

bool CIniFile::IsOpen() const
{
    return m_fromBytes || m_file.IsOpen();
}

qint64 CIniFile::ReadSource(char* data, qint64 max)
{
    if (!m_fromBytes)
        return m_file.Read(data, max);
    const qint64 n = qMin(max, qint64(m_bytes.size()) - m_bytesRead);
    std::memcpy(data, m_bytes.constData() + m_bytesRead, size_t(n));
    return n;
}

void CIniFile::Close()
{
    // The last entry stays readable after the end of the file.
    KeepFieldsWithin(m_buffer, m_bufferSize);
    KeepFieldsWithin(m_line.constData(), m_line.size());
    m_file.Close();
    m_bytes = QByteArray();
    m_fromBytes = false;
    m_heapBuffer = QByteArray();
    m_buffer = nullptr;
    m_bufferSize = 0;
    m_line = QByteArray();
    m_linePtr = nullptr;
    m_lineLength = 0;
    m_bufferPos = m_bufferEnd = 0;
    m_atEnd = true;
}

bool CIniFile::FillBuffer()
{
    if (m_atEnd || !IsOpen())
        return false;
    KeepFieldsWithin(m_buffer, m_bufferSize);
    const qint64 n = ReadSource(m_buffer, m_bufferSize);
    if (n < 0)
        throw KluniError(57, QCoreApplication::translate("CIniFile", "Geräte-E/A-Fehler"));
    m_bufferPos = 0;
    m_bufferEnd = qsizetype(n);
    m_bytesRead += n;
    // A short read that reaches the size the file had when it was opened is
    // its end: asking once more only to hear so would cost a call per file.
    if (n == 0 || (n < m_bufferSize && m_bytesRead >= m_size))
        m_atEnd = true;
    m_nextHit = -1;
    return n > 0;
}

void CIniFile::SkipEntriesWithout(const QString& lowerText)
{
    const CodeTables& tables = Tables();
    if (lowerText.isEmpty() || !tables.lowerBytesExact || !IsOpen())
        return;
    QByteArray needle;
    for (const QChar c : lowerText) {
        const auto* byte = std::find(std::begin(tables.decoded), std::end(tables.decoded), c.unicode());
        const auto b = static_cast<unsigned char>(byte - std::begin(tables.decoded));
        // A character that no byte gives, or that is not its own lower case,
        // never appears in a lower-cased value.
        if (byte == std::end(tables.decoded) || tables.lowerByte[b] != b) {
            m_filter = FilterAllEntries;
            return;
        }
        needle += char(b);
    }
    m_needle = needle;
    m_filter = FilterNeedle;
    // Horspool's shifts, by the lower case of the byte under the needle's end.
    const qsizetype k = needle.size();
    std::array<qsizetype, 256> byLower;
    byLower.fill(k);
    for (qsizetype i = 0; i + 1 < k; ++i)
        byLower[static_cast<unsigned char>(needle[i])] = k - 1 - i;
    for (int b = 0; b < 256; ++b)
        m_shift[size_t(b)] = byLower[tables.lowerByte[b]];
    m_endSpellings = Spellings(uchar(needle.front()), m_firstSpellings) &&
                     Spellings(uchar(needle.at(k / 2)), m_midSpellings) && Spellings(uchar(needle.back()), m_lastSpellings);
    m_nextHit = -1;
}

// The bytes whose lower case is lower, when there are at most two (the one
// byte twice when it has no other case).
bool CIniFile::Spellings(unsigned char lower, std::array<unsigned char, 2>& spellings)
{
    int found = 0;
    spellings.fill(lower);
    for (int b = 0; b < 256; ++b) {
        if (Tables().lowerByte[b] == lower && b != lower) {
            if (++found > 1)
                return false;
            spellings[1] = static_cast<unsigned char>(b);
        }
    }
    return true;
}

// First place of the needle in [data, data + size), the bytes compared in
// lower case; -1 for none. Sixteen places at a time are first checked for the
// needle's first, middle and last bytes (in either case) and only those that
// have all three are compared in full; the rest, and needles whose end bytes have more
// than two spellings, go through Horspool's search, which skips ahead by up
// to the needle's length per step.
qsizetype CIniFile::FindNeedle(const char* data, qsizetype size) const
{
    const unsigned char* lower = Tables().lowerByte;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    const auto* needle = reinterpret_cast<const unsigned char*>(m_needle.constData());
    const qsizetype k = m_needle.size();
    const auto matchesAt = [&](qsizetype pos) {
        qsizetype j = k - 1;
        while (j >= 0 && lower[bytes[pos + j]] == needle[j])
            --j;
        return j < 0;
    };
    qsizetype pos = 0;
#if defined(__GNUC__)
    if (m_endSpellings) {
        using Block = unsigned char __attribute__((vector_size(16)));
        const auto splat = [](unsigned char b) { return Block{} + b; };
        const Block first0 = splat(m_firstSpellings[0]), first1 = splat(m_firstSpellings[1]);
        const Block mid0 = splat(m_midSpellings[0]), mid1 = splat(m_midSpellings[1]);
        const Block last0 = splat(m_lastSpellings[0]), last1 = splat(m_lastSpellings[1]);
        for (; pos + k - 1 + 16 <= size; pos += 16) {
            Block head;
            Block middle;
            Block tail;
            std::memcpy(&head, bytes + pos, 16);
            std::memcpy(&middle, bytes + pos + k / 2, 16);
            std::memcpy(&tail, bytes + pos + k - 1, 16);
            const Block hits = ((head == first0) | (head == first1)) & ((middle == mid0) | (middle == mid1)) &
                               ((tail == last0) | (tail == last1));
            quint64 halves[2];
            std::memcpy(halves, &hits, 16);
            for (int h = 0; h < 2; ++h) {
                for (quint64 bits = halves[h]; bits != 0;) {
                    const int byte = int(qCountTrailingZeroBits(bits) / 8);
                    if (matchesAt(pos + 8 * h + byte))
                        return pos + 8 * h + byte;
                    bits &= ~(quint64(0xff) << (8 * byte));
                }
            }
        }
    }
#endif
    for (; pos + k <= size; pos += m_shift[bytes[pos + k - 1]]) {
        if (matchesAt(pos))
            return pos;
    }
    return -1;
}

// Reads the next line; false at the end of the file. The line ends at CR (a
// LF right after it belongs to the terminator) or at the end of the file; a
// lone LF stays in the line. A line within one buffer fill is not copied.
bool CIniFile::ReadLine()
{
    // Only a line pieced together from two fills uses m_line; resizing an
    // empty array would allocate for every line.
    if (!m_line.isEmpty()) {
        KeepFieldsWithin(m_line.constData(), m_line.size());
        m_line.resize(0);
    }
    bool partial = false;   // the line's start is already in m_line
    for (;;) {
        if (m_bufferPos == m_bufferEnd && !FillBuffer()) {
            if (!partial)
                return false;
            break;
        }
        const char* data = m_buffer;
        if (m_skipLineFeed) {
            m_skipLineFeed = false;
            if (data[m_bufferPos] == '\n') {
                ++m_bufferPos;
                continue;
            }
        }
        if (!partial && SkipToCandidateLine())
            continue;
        const char* start = data + m_bufferPos;
        const qsizetype available = m_bufferEnd - m_bufferPos;
        const auto* cr = static_cast<const char*>(std::memchr(start, '\r', size_t(available)));
        if (!cr) {
            m_line.append(start, available);
            m_bufferPos = m_bufferEnd;
            partial = true;
            continue;
        }
        const qsizetype length = cr - start;
        if (partial) {
            m_line.append(start, length);
        } else {
            m_linePtr = start;
            m_lineLength = length;
            m_lineOffset = m_bufferPos;
        }
        m_bufferPos += length + 1;
        if (m_bufferPos < m_bufferEnd) {
            if (data[m_bufferPos] == '\n')
                ++m_bufferPos;
        } else {
            m_skipLineFeed = true;
        }
        if (!partial)
            return true;
        break;
    }
    m_linePtr = m_line.constData();
    m_lineLength = m_line.size();
    m_lineOffset = -1;
    return true;
}

// False when the current line is no section header and cannot hold the
// filter's needle. Lines that were put together from two fills are always kept.
// Under a filter only section headers and lines that hold the needle are
// delivered. From a line's start, the reader moves on to the line of the next
// '[' or needle place in the buffer (or to the buffer's last line) without
// looking at the lines between; true when it moved.
bool CIniFile::SkipToCandidateLine()
{
    if (m_filter == FilterNone || m_bufferPos >= m_bufferEnd)
        return false;
    qsizetype limit = m_bufferEnd;
    if (m_filter == FilterNeedle) {
        if (m_nextHit < m_bufferPos) {
            const qsizetype hit = FindNeedle(m_buffer + m_bufferPos, m_bufferEnd - m_bufferPos);
            m_nextHit = hit < 0 ? m_bufferEnd : m_bufferPos + hit;
        }
        limit = m_nextHit;
    }
    const char* start = m_buffer + m_bufferPos;
    const auto* bracket = static_cast<const char*>(std::memchr(start, '[', size_t(limit - m_bufferPos)));
    // The line that holds the stop begins after the last CR before it.
    const char* lineStart = bracket ? bracket : m_buffer + limit;
    while (lineStart != start && lineStart[-1] != '\r')
        --lineStart;
    if (lineStart == start)
        return false;
    m_bufferPos = lineStart - m_buffer;
    if (m_bufferPos == m_bufferEnd)
        m_skipLineFeed = true;
    else if (m_buffer[m_bufferPos] == '\n')
        ++m_bufferPos;
    return true;
}

bool CIniFile::LineMayHoldNeedle()
{
    if (m_filter == FilterNone || m_lineOffset < 0)
        return true;
    const char* begin = m_linePtr;
    const char* end = m_linePtr + m_lineLength;
    TrimLeftBlanks(begin, end);
    if (begin != end && *begin == '[')
        return true;
    if (m_filter == FilterAllEntries)
        return false;
    // The leftmost needle from the line's start on serves all lines up to it.
    if (m_nextHit < m_lineOffset) {
        const qsizetype hit = FindNeedle(m_buffer + m_lineOffset, m_bufferEnd - m_lineOffset);
        m_nextHit = hit < 0 ? m_bufferEnd : m_lineOffset + hit;
    }
    return m_nextHit + m_needle.size() <= m_lineOffset + m_lineLength;
}

bool CIniFile::NextEntry()
{
    do {
        if (!ReadLine()) {
            m_kind = KindEof;
            Close();
            break;
        }
        if (!LineMayHoldNeedle()) {
            m_kind = KindNothing;
            continue;
        }
        ParseLine(m_linePtr, m_lineLength);
    } while (m_kind == KindNothing);
    return true;
}

void CIniFile::ParseLine(const char* line, qsizetype length)
{
    const char* begin = line;
    const char* end = line + length;
    TrimLeftBlanks(begin, end);
    TrimRightBlanks(begin, end);

    if (begin == end || *begin == ';') {
        m_kind = KindNothing;
        return;
    }
    if (*begin == '[') {
        // Without the first and the last character, whatever the last one is.
        m_kind = KindSection;
        if (end - begin >= 2)
            SetSection(begin + 1, end - 1);
        else
            SetSection(nullptr, nullptr);
        SetName(nullptr, nullptr);
        SetValue(nullptr, nullptr);
        return;
    }
    const auto* equals = static_cast<const char*>(std::memchr(begin, '=', size_t(end - begin)));
    if (!equals) {
        m_kind = KindNothing;
        return;
    }
    m_kind = KindEntry;

    const char* nameEnd = equals;
    RTrimBlanksAndTabs(begin, nameEnd);
    SetName(begin, nameEnd);

    const char* valueBegin = equals + 1;
    LTrimBlanksAndTabs(valueBegin, end);
    if (end - valueBegin >= 2 && *valueBegin == '"' && end[-1] == '"') {
        ++valueBegin;
        --end;
    }
    SetValue(valueBegin, end);
}

void CIniFile::LineBytes::Set(const char* begin, const char* end)
{
    data = begin;
    size = end - begin;
}

void CIniFile::LineBytes::KeepIfWithin(const char* first, const char* last)
{
    const std::less<const char*> before;
    if (size == 0) {
        data = nullptr;
    } else if (!before(data, first) && before(data, last)) {
        store.clear();
        store.append(data, size);
        data = store.constData();
    }
}

void CIniFile::KeepFieldsWithin(const char* first, qsizetype size)
{
    if (first == nullptr)
        return;
    for (LineBytes* field : {&m_sectionBytes, &m_nameBytes, &m_valueBytes})
        field->KeepIfWithin(first, first + size);
}

void CIniFile::SetSection(const char* begin, const char* end)
{
    m_sectionBytes.Set(begin, end);
    m_sectionDecoded = false;
}

const QString& CIniFile::Section() const
{
    if (!m_sectionDecoded) {
        DecodeInto(m_section, m_sectionBytes.data, m_sectionBytes.data + m_sectionBytes.size, Tables().decoded);
        m_sectionDecoded = true;
    }
    return m_section;
}

void CIniFile::SetName(const char* begin, const char* end)
{
    m_nameBytes.Set(begin, end);
    m_nameDecoded = false;
}

const QString& CIniFile::EntryName() const
{
    if (!m_nameDecoded) {
        DecodeInto(m_entryName, m_nameBytes.data, m_nameBytes.data + m_nameBytes.size, Tables().decoded);
        m_nameDecoded = true;
    }
    return m_entryName;
}

bool CIniFile::EntryNameIs(QStringView name) const
{
    if (name.size() != m_nameBytes.size)
        return false;
    const char16_t* table = Tables().decoded;
    for (qsizetype i = 0; i < name.size(); ++i)
        if (table[static_cast<unsigned char>(m_nameBytes.data[i])] != name[i].unicode())
            return false;
    return true;
}

void CIniFile::SetValue(const char* begin, const char* end)
{
    m_valueBytes.Set(begin, end);
    m_valueDecoded = false;
    m_lowerDecoded = false;
}

const QString& CIniFile::EntryValue() const
{
    if (!m_valueDecoded) {
        DecodeInto(m_entryValue, m_valueBytes.data, m_valueBytes.data + m_valueBytes.size, Tables().decoded);
        m_valueDecoded = true;
    }
    return m_entryValue;
}

const QString& CIniFile::EntryValueLower() const
{
    if (!m_lowerDecoded) {
        DecodeInto(m_entryValueLower, m_valueBytes.data, m_valueBytes.data + m_valueBytes.size, Tables().lower);
        m_lowerDecoded = true;
    }
    return m_entryValueLower;
}

QString CIniFile::MyLTrim(const QString& ptString)
{
    const QChar* begin = ptString.constData();
    const QChar* end = begin + ptString.size();
    LTrimBlanksAndTabs(begin, end);
    return ptString.mid(begin - ptString.constData());
}

QString CIniFile::MyRTrim(const QString& text)
{
    const QChar* begin = text.constData();
    const QChar* end = begin + text.size();
    RTrimBlanksAndTabs(begin, end);
    return text.left(end - begin);
}

QString IniModelName(const QString& path, const QString& nameKey, LookupCache* cache)
{
    if (!path.endsWith(QLatin1String(".gsb")))
        return path;
    const QString iniPath = path.left(path.size() - 4) + QLatin1String(".ini");

    CIniFile ini;
    if (!ini.Init(iniPath, cache))
        return QString();
    for (;;) {
        ini.NextEntry();
        if (ini.IsEof())
            break;
        if (ini.IsEntry() && ini.EntryNameIs(nameKey)) {
            const QString& value = ini.EntryValue();
            const QChar* begin = value.constData();
            const QChar* end = begin + value.size();
            TrimLeftBlanks(begin, end);
            TrimRightBlanks(begin, end);
            if (begin == end)
                break;
            return value.mid(begin - value.constData(), end - begin);
        }
    }
    return QStringLiteral("<?>");
}
