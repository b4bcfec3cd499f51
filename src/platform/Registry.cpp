#include "platform/Registry.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <memory>
#include <type_traits>
#include <windows.h>
#else
#include "platform/HostPath.h"
#endif

namespace {

// A Wine .reg line with a read position; escapes as Wine writes them.
class WineLine {
public:
    explicit WineLine(QString text) : m_text(std::move(text)) {}

    bool AtEnd() const { return m_pos >= m_text.size(); }
    QChar Peek() const { return AtEnd() ? QChar() : m_text.at(m_pos); }
    bool Take(QLatin1String expected)
    {
        if (!QStringView(m_text).mid(m_pos).startsWith(expected))
            return false;
        m_pos += expected.size();
        return true;
    }
    QString Rest() const { return m_text.mid(m_pos); }

    // Reads an escaped string up to the closing character, which is consumed.
    // Nothing when the line ends first.
    std::optional<QString> ReadEscaped(QChar close)
    {
        QString out;
        while (!AtEnd()) {
            const QChar c = m_text.at(m_pos++);
            if (c == close)
                return out;
            if (c != QLatin1Char('\\')) {
                out += c;
                continue;
            }
            if (AtEnd())
                return std::nullopt;
            out += ReadEscapeSequence();
        }
        return std::nullopt;
    }

    // A number in the given base of at most maxDigits digits; -1 when there is none.
    // Eight hex digits exceed an int, so it is counted in 64 bits.
    qint64 ReadNumber(int base, int maxDigits)
    {
        qint64 value = 0;
        int digits = 0;
        while (digits < maxDigits && !AtEnd()) {
            const int digit = DigitValue(m_text.at(m_pos), base);
            if (digit < 0)
                break;
            value = value * base + digit;
            ++m_pos;
            ++digits;
        }
        return digits == 0 ? -1 : value;
    }

private:
    static int DigitValue(QChar c, int base)
    {
        const char16_t u = c.toLower().unicode();
        int digit = -1;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        return digit < base ? digit : -1;
    }

    // After a backslash: \xHHHH, octal \ooo, C escapes, or the character itself.
    QChar ReadEscapeSequence()
    {
        const QChar e = m_text.at(m_pos);
        if (e == QLatin1Char('x')) {
            ++m_pos;
            const qint64 code = ReadNumber(16, 4);
            return code < 0 ? e : QChar(static_cast<char16_t>(code));
        }
        if (DigitValue(e, 8) >= 0)
            return QChar(static_cast<char16_t>(ReadNumber(8, 3)));
        ++m_pos;
        switch (e.unicode()) {
        case u'a': return QChar(0x07);
        case u'b': return QChar(0x08);
        case u't': return QChar(0x09);
        case u'n': return QChar(0x0A);
        case u'v': return QChar(0x0B);
        case u'f': return QChar(0x0C);
        case u'r': return QChar(0x0D);
        case u'e': return QChar(0x1B);
        default: return e;
        }
    }

    QString m_text;
    qsizetype m_pos = 0;
};

QString CutAtNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

// "41,00,42,00" (maybe with blanks from joined continuation lines) as UTF-16LE text.
std::optional<QString> DecodeHexUtf16(const QString& hexList)
{
    QByteArray bytes;
    const QStringList parts = hexList.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        bool ok = false;
        const uint byte = part.trimmed().toUInt(&ok, 16);
        if (!ok || byte > 0xFF)
            return std::nullopt;
        bytes.append(static_cast<char>(byte));
    }
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(bytes.at(i));
        const auto hi = static_cast<unsigned char>(bytes.at(i + 1));
        text += QChar(static_cast<char16_t>(lo | (hi << 8)));
    }
    return text;
}

// The data part of a value line (after "="): the text of a REG_SZ value,
// nothing for every other type or malformed data.
std::optional<QString> ParseStringData(WineLine& line)
{
    if (line.Peek() == QLatin1Char('"')) {
        line.Take(QLatin1String("\""));
        const std::optional<QString> text = line.ReadEscaped(QLatin1Char('"'));
        return text ? std::optional<QString>(CutAtNul(*text)) : std::nullopt;
    }
    const bool typedString = line.Take(QLatin1String("str("));
    if (!typedString && !line.Take(QLatin1String("hex(")))
        return std::nullopt;  // hex:, dword: and anything unknown
    const qint64 type = line.ReadNumber(16, 8);
    if (type != 1 || !line.Take(QLatin1String("):")))
        return std::nullopt;  // only REG_SZ (type 1) counts
    if (!typedString) {
        const std::optional<QString> text = DecodeHexUtf16(line.Rest());
        return text ? std::optional<QString>(CutAtNul(*text)) : std::nullopt;
    }
    if (!line.Take(QLatin1String("\"")))
        return std::nullopt;
    const std::optional<QString> text = line.ReadEscaped(QLatin1Char('"'));
    return text ? std::optional<QString>(CutAtNul(*text)) : std::nullopt;
}

// Splits a registry file into lines (LF or CR LF), joining a hex value's
// continuation lines (a trailing backslash) with the next one.
class RegLines {
public:
    explicit RegLines(const QByteArray& data) : m_data(data) {}

    bool Next(QByteArray& line)
    {
        if (m_pos >= m_data.size())
            return false;
        line = ReadPhysical();
        while (line.endsWith('\\') && m_pos < m_data.size()) {
            line.chop(1);
            line += ReadPhysical().trimmed();
        }
        return true;
    }

private:
    QByteArray ReadPhysical()
    {
        qsizetype end = m_data.indexOf('\n', m_pos);
        if (end < 0)
            end = m_data.size();
        QByteArray line = m_data.mid(m_pos, end - m_pos);
        m_pos = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        return line;
    }

    const QByteArray& m_data;
    qsizetype m_pos = 0;
};

bool SectionMatches(const QByteArray& line, const QString& keyPath)
{
    WineLine section(QString::fromUtf8(line));
    section.Take(QLatin1String("["));
    const std::optional<QString> key = section.ReadEscaped(QLatin1Char(']'));
    return key && key->compare(keyPath, Qt::CaseInsensitive) == 0;
}

// For a value line: true when it names the value; then the line stands after "=".
bool ValueNameMatches(WineLine& line, const QString& valueName)
{
    QString name;
    if (line.Take(QLatin1String("@"))) {
        name.clear();
    } else if (line.Take(QLatin1String("\""))) {
        const std::optional<QString> read = line.ReadEscaped(QLatin1Char('"'));
        if (!read || read->isEmpty())
            return false;
        name = *read;
    } else {
        return false;
    }
    return line.Take(QLatin1String("=")) && name.compare(valueName, Qt::CaseInsensitive) == 0;
}

#ifndef Q_OS_WIN

std::optional<QString> ReadWineFile(const QString& fileName, const QString& keyPath, const QString& valueName)
{
    QFile file(HostPath::WinePrefixDir() + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return Registry::FindWineString(file.readAll(), keyPath, valueName);
}

#endif

} // namespace

namespace Registry {

std::optional<QString> FindWineString(const QByteArray& regFile, const QString& keyPath, const QString& valueName)
{
    std::optional<QString> result;
    bool inKey = false;
    RegLines lines(regFile);
    QByteArray line;
    while (lines.Next(line)) {
        if (line.startsWith('[')) {
            inKey = SectionMatches(line, keyPath);
            continue;
        }
        if (!inKey || !(line.startsWith('"') || line.startsWith('@')))
            continue;
        WineLine value(QString::fromUtf8(line));
        if (ValueNameMatches(value, valueName))
            result = ParseStringData(value);  // a later definition replaces an earlier one
    }
    return result;
}

#ifdef Q_OS_WIN

bool IsNativeRegistry()
{
    return true;
}

std::optional<QString> ReadString(RegHive hive, const QString& keyPath, const QString& valueName)
{
    HKEY root = HKEY_CLASSES_ROOT;
    if (hive == RegHive::CurrentUser)
        root = HKEY_CURRENT_USER;
    else if (hive == RegHive::LocalMachine)
        root = HKEY_LOCAL_MACHINE;

    // The wide-character calls: a folder name need not fit the ANSI code page.
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, keyPath.toStdWString().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const std::unique_ptr<std::remove_pointer_t<HKEY>, decltype(&RegCloseKey)> keyHolder(key, &RegCloseKey);

    const std::wstring name = valueName.toStdWString();
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<LPBYTE>(buffer.data()), &size)
        != ERROR_SUCCESS) {
        return std::nullopt;
    }
    // The stored data may or may not end with its terminating zero.
    buffer.resize(wcsnlen(buffer.c_str(), size / sizeof(wchar_t)));
    return QString::fromStdWString(buffer);
}

#else

bool IsNativeRegistry()
{
    return false;
}

std::optional<QString> ReadString(RegHive hive, const QString& keyPath, const QString& valueName)
{
    const QString system = QStringLiteral("system.reg");
    const QString user = QStringLiteral("user.reg");
    switch (hive) {
    case RegHive::LocalMachine:
        return ReadWineFile(system, keyPath, valueName);
    case RegHive::CurrentUser:
        return ReadWineFile(user, keyPath, valueName);
    case RegHive::ClassesRoot: {
        const QString classesKey = QStringLiteral("Software\\Classes\\") + keyPath;
        if (std::optional<QString> own = ReadWineFile(user, classesKey, valueName))
            return own;
        return ReadWineFile(system, classesKey, valueName);
    }
    }
    return std::nullopt;
}

#endif

} // namespace Registry
