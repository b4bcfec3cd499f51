#include "hostdata/CIniFile.h"

#include "platform/HostPath.h"
#include "platform/TextCodec.h"
#include "startup/KluniError.h"
#include "startup/ModuleState.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <cstring>

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
        return t;
    }();
    return tables;
}

// Decodes into an existing string, reusing its storage when nobody shares it.
void DecodeInto(QString& out, const char* begin, const char* end, const char16_t* table)
{
    out.resize(end - begin);
    QChar* to = out.data();
    for (; begin != end; ++begin, ++to)
        *to = QChar(table[static_cast<unsigned char>(*begin)]);
}

} // namespace

CIniFile::CIniFile() = default;

CIniFile::~CIniFile() = default;   // closing errors are of no interest here

bool CIniFile::Init(const QString& ptFile)
{
    const QString native = HostPath::ToNative(ptFile);
    if (native.isEmpty())
        return false;
    // Only ordinary files: opening a FIFO or a device for reading could block.
    const QFileInfo info(native);
    if (!info.isFile())
        return false;
    auto file = std::make_unique<QFile>(native);
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    return Open(std::move(file));
}

bool CIniFile::InitFromBytes(const QByteArray& bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    if (!buffer->open(QIODevice::ReadOnly))
        return false;
    return Open(std::move(buffer));
}

bool CIniFile::Open(std::unique_ptr<QIODevice> device)
{
    const qint64 size = device->size();
    const qsizetype bufferSize = size > 0 && size < kMaxBufferSize ? qsizetype(size) + 1 : kMaxBufferSize;
    m_buffer.resize(bufferSize);
    m_bufferPos = m_bufferEnd = 0;
    m_skipLineFeed = false;
    m_atEnd = false;
    m_line.clear();
    m_kind = KindSection;
    m_section.clear();
    m_entryName.clear();
    SetValue(nullptr, nullptr);
    m_device = std::move(device);
    return true;
}

void CIniFile::Close()
{
    m_device.reset();
    m_buffer = QByteArray();
    m_line = QByteArray();
    m_bufferPos = m_bufferEnd = 0;
    m_atEnd = true;
}

bool CIniFile::FillBuffer()
{
    if (m_atEnd || !m_device)
        return false;
    const qint64 n = m_device->read(m_buffer.data(), m_buffer.size());
    if (n < 0)
        throw KluniError(57, QStringLiteral("Geräte-E/A-Fehler"));
    m_bufferPos = 0;
    m_bufferEnd = qsizetype(n);
    if (n == 0)
        m_atEnd = true;
    return n > 0;
}

// Reads the next line into m_line; false at the end of the file. The line ends
// at CR (a LF right after it belongs to the terminator) or at the end of the
// file; a lone LF stays in the line.
bool CIniFile::ReadLine()
{
    m_line.resize(0);
    bool any = false;
    for (;;) {
        if (m_bufferPos == m_bufferEnd && !FillBuffer())
            return any;
        const char* data = m_buffer.constData();
        if (m_skipLineFeed) {
            m_skipLineFeed = false;
            if (data[m_bufferPos] == '\n') {
                ++m_bufferPos;
                continue;
            }
        }
        const char* start = data + m_bufferPos;
        const qsizetype available = m_bufferEnd - m_bufferPos;
        const auto* cr = static_cast<const char*>(std::memchr(start, '\r', size_t(available)));
        if (!cr) {
            m_line.append(start, available);
            m_bufferPos = m_bufferEnd;
            any = true;
            continue;
        }
        m_line.append(start, cr - start);
        m_bufferPos += (cr - start) + 1;
        if (m_bufferPos < m_bufferEnd) {
            if (data[m_bufferPos] == '\n')
                ++m_bufferPos;
        } else {
            m_skipLineFeed = true;
        }
        return true;
    }
}

bool CIniFile::NextEntry()
{
    do {
        if (!ReadLine()) {
            m_kind = KindEof;
            Close();
            break;
        }
        ParseLine(m_line.constData(), m_line.size());
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
            DecodeInto(m_section, begin + 1, end - 1, Tables().decoded);
        else
            m_section.clear();
        m_entryName.clear();
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
    DecodeInto(m_entryName, begin, nameEnd, Tables().decoded);

    const char* valueBegin = equals + 1;
    LTrimBlanksAndTabs(valueBegin, end);
    if (end - valueBegin >= 2 && *valueBegin == '"' && end[-1] == '"') {
        ++valueBegin;
        --end;
    }
    SetValue(valueBegin, end);
}

void CIniFile::SetValue(const char* begin, const char* end)
{
    m_valueBytes.resize(end - begin);
    if (begin != end)
        std::memcpy(m_valueBytes.data(), begin, size_t(end - begin));
    m_valueDecoded = false;
    m_lowerDecoded = false;
}

const QString& CIniFile::EntryValue() const
{
    if (!m_valueDecoded) {
        const char* bytes = m_valueBytes.constData();
        DecodeInto(m_entryValue, bytes, bytes + m_valueBytes.size(), Tables().decoded);
        m_valueDecoded = true;
    }
    return m_entryValue;
}

const QString& CIniFile::EntryValueLower() const
{
    if (!m_lowerDecoded) {
        const char* bytes = m_valueBytes.constData();
        DecodeInto(m_entryValueLower, bytes, bytes + m_valueBytes.size(), Tables().lower);
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

QString IniModelName(const QString& path)
{
    if (!path.endsWith(QLatin1String(".gsb")))
        return path;
    const QString iniPath = path.left(path.size() - 4) + QLatin1String(".ini");

    CIniFile ini;
    if (!ini.Init(iniPath))
        return QString();
    for (;;) {
        ini.NextEntry();
        if (ini.IsEof())
            break;
        if (ini.IsEntry() && ini.EntryName() == gMod.gtNameKey) {
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
