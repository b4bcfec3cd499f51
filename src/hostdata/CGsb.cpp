#include "hostdata/CGsb.h"

#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/LookupCache.h"
#include "platform/MessageSink.h"
#include "platform/TextCodec.h"
#include "startup/KluniError.h"
#include "startup/modTools.h"

#include <QCollator>
#include <QFile>
#include <QLocale>

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace {

bool IsMod2Char(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9'))
        return true;
    static const QString extra = QStringLiteral("äöüßÄÖÜ \\!§$%&(){}[]+~'#@,;.-_");
    return extra.contains(c);
}

// The same test per byte, for the bytes as Windows-1252 reads them.
const std::array<bool, 256>& Mod2ByteTable()
{
    static const std::array<bool, 256> table = [] {
        std::array<bool, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString decoded = TextCodec::DecodeCp1252(&byte, 1);
            t[size_t(b)] = decoded.size() == 1 && IsMod2Char(decoded.at(0));
        }
        return t;
    }();
    return table;
}

bool IsMod2Bytes(const char* data, qsizetype length)
{
    const std::array<bool, 256>& table = Mod2ByteTable();
    bool backslash = false;
    for (qsizetype k = 0; k < length; ++k) {
        const uchar b = uchar(data[k]);
        if (!table[b])
            return false;
        backslash = backslash || b == '\\';
    }
    return backslash;
}

// Error numbers and texts of the read-error message.
struct ReadError {
    int number;
    QString text;
};

ReadError ReadErrorOf(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::PermissionsError:
        return {70, QCoreApplication::translate("CGsb", "Zugriff verweigert")};
    case QFileDevice::ReadError:
        return {57, QCoreApplication::translate("CGsb", "Fehler beim Geräte-E/A")};
    default:
        return {75, QCoreApplication::translate("CGsb", "Fehler beim Zugriff auf Pfad/Datei")};
    }
}

void ShowReadError(const ReadError& error)
{
    MessageSink::Current().Plain(QCoreApplication::translate("CGsb", "Fehler beim Lesen der gsb-Datei:")
                                 + QStringLiteral("\r\n") + QString::number(error.number) + QLatin1Char(' ')
                                 + error.text);
}

QCollator MakeCollator()
{
    QCollator collator(QLocale::system());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

} // namespace

bool CGsb::Init(const QString& ptGsb, const QString& modelsDir)
{
    Clear();
    m_gsbPath = ptGsb;
    m_gsbExists = FileExists(ptGsb);
    if (!m_gsbExists)
        return false;
    const qint64 length = FileSystem::FileSize(ptGsb);
    if (length == 0 || !ReadAll(length))
        return false;
    ScanAll(modelsDir);
    return true;
}

void CGsb::ScanBytes(const QByteArray& contents, const QString& modelsDir)
{
    m_missing = 0;
    m_contents = contents;
    ScanAll(modelsDir);
}

qint32 CGsb::Count() const
{
    return m_scanned ? qint32(m_names.size()) : 0;
}

QString CGsb::Mod2Name(qint32 plIndex) const
{
    if (plIndex < 1 || plIndex > Count())
        return QCoreApplication::translate("CGsb", "Falscher Index für mod2-Item");
    return m_names.at(plIndex - 1);
}

bool CGsb::Mod2Exists(qint32 plIndex) const
{
    if (plIndex < 1 || plIndex > Count())
        return false;
    return m_states.at(plIndex - 1);
}

qint32 CGsb::CountMissing() const
{
    return m_missing;
}

bool CGsb::IsMod2Name(const QString& name)
{
    if (!name.contains(QLatin1Char('\\')))
        return false;
    return std::all_of(name.cbegin(), name.cend(), IsMod2Char);
}

void CGsb::Clear()
{
    m_names.clear();
    m_states.clear();
    m_gsbPath.clear();
    m_seen.clear();
    m_contents.clear();
    m_missing = 0;
    m_gsbExists = false;
    m_scanned = false;
}

bool CGsb::ReadAll(qint64 length)
{
    if (length > std::numeric_limits<qint32>::max()) {
        const KluniError overflow = KluniError::Overflow();
        ShowReadError({overflow.Number(), overflow.Description()});
        return false;
    }
    QFile file(HostPath::ToNative(m_gsbPath));
    if (length < 0 || !file.open(QIODevice::ReadOnly)) {
        ShowReadError(ReadErrorOf(length < 0 ? QFileDevice::OpenError : file.error()));
        return false;
    }
    m_contents.resize(qsizetype(length));
    const qint64 got = file.read(m_contents.data(), length);
    if (got < 0)
        ShowReadError(ReadErrorOf(QFileDevice::ReadError));
    if (got != length) {
        m_contents.clear();
        return false;
    }
    return true;
}

// The mod2 files of one model mostly share their directories: one lookup
// cache serves the whole scan.
void CGsb::ScanAll(const QString& modelsDir)
{
    const QCollator collator = MakeCollator();
    LookupCache lookup;
    const Scan scan{collator, modelsDir, lookup};
    m_names.clear();
    m_states.clear();
    m_scanned = true;
    m_zeroSearchedUpTo = 0;
    m_lastZero = -1;
    m_seen.clear();

    const char* data = m_contents.constData();
    const qsizetype length = m_contents.size();
    qsizetype start = 0;
    while (start < length) {
        const void* hit = std::memchr(data + start, '\\', size_t(length - start));
        if (!hit)
            break;
        const qsizetype p = static_cast<const char*>(hit) - data;
        const qsizetype next = ScanAt(p, scan);
        // Every further backslash before the next zero byte has the same
        // nearest zero byte, so the same candidate, already dealt with.
        const void* zero = std::memchr(data + p + 1, 0, size_t(length - p - 1));
        if (!zero)
            break;
        start = std::max(next, qsizetype(static_cast<const char*>(zero) - data));
    }
    // Only the names are needed from here on; a large file need not stay in memory.
    m_seen = std::unordered_set<std::string_view>();
    m_contents = QByteArray();
}

qsizetype CGsb::ScanAt(qsizetype p, const Scan& scan)
{
    const qsizetype next = p + 1;
    const qsizetype zero = NearestZeroBefore(p);
    // The length prefix needs three bytes before its zero high byte.
    if (zero < 3)
        return next;

    const auto* bytes = reinterpret_cast<const uchar*>(m_contents.constData());
    const qsizetype nameLength = qsizetype(bytes[zero - 3]) + 256 * qsizetype(bytes[zero - 2])
                                 + 65536 * qsizetype(bytes[zero - 1]);
    const qsizetype s = zero + 1;
    if (nameLength < 3 || s + nameLength > m_contents.size())
        return next;
    const char* name = m_contents.constData() + s;
    if (!IsMod2Bytes(name, nameLength))
        return next;
    // A name seen before byte for byte is a duplicate: no need to collate it.
    if (m_seen.insert(std::string_view(name, size_t(nameLength))).second)
        AddMod2(TextCodec::DecodeCp1252(name, nameLength), scan);
    // The scan goes on behind the accepted name, so that its other
    // backslashes are skipped; but never back before the backslash that
    // found it (the name may end before it: a later backslash with the same
    // nearest zero byte), or the scan would find that backslash forever.
    return std::max(next, s + nameLength);
}

qsizetype CGsb::NearestZeroBefore(qsizetype p)
{
    const char* data = m_contents.constData();
    const qsizetype floor = std::max<qsizetype>(m_zeroSearchedUpTo, 3);
    for (qsizetype i = p - 1; i >= floor; --i) {
        if (data[i] == 0) {
            m_lastZero = i;
            break;
        }
    }
    m_zeroSearchedUpTo = std::max(m_zeroSearchedUpTo, p);
    return m_lastZero;
}

void CGsb::AddMod2(const QString& name, const Scan& scan)
{
    const QCollator& collator = scan.collator;
    // The list is kept sorted, so the first name that does not sort before
    // the new one is found by bisection; it is the insertion point, or the
    // duplicate that keeps its first-seen form.
    const auto at = std::lower_bound(m_names.cbegin(), m_names.cend(), name,
                                     [&collator](const QString& a, const QString& b) {
                                         return collator.compare(a, b) < 0;
                                     });
    const qsizetype k = at - m_names.cbegin();
    if (k < m_names.size() && collator.compare(name, m_names.at(k)) == 0)
        return;

    const bool exists = FileExists(JoinPath(scan.modelsDir, name + QStringLiteral(".mod2")), &scan.lookup);
    if (!exists) {
        if (m_missing == std::numeric_limits<qint16>::max())
            throw KluniError::Overflow();
        ++m_missing;
    }
    m_names.insert(k, name);
    m_states.insert(k, exists);
}
