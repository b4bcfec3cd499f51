#include "cli/JsonOutput.h"

#include "cli/CheckReport.h"
#include "cli/DetailLookup.h"
#include "cli/Mod2Report.h"
#include "hostdata/SearchOutput.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr qsizetype kFlushSize = 64 * 1024;

char Hex(unsigned value)
{
    return "0123456789abcdef"[value & 0xf];
}

// The "uXXXX" of an escape; returns the end.
char* HexEscape(char* out, char16_t u)
{
    *out++ = 'u';
    for (int shift = 12; shift >= 0; shift -= 4)
        *out++ = Hex(u >> shift);
    return out;
}

// The letter of JSON's short escape for an ASCII character, or 0.
char NamedEscape(char16_t u)
{
    switch (u) {
    case '"': return '"';
    case '\\': return '\\';
    case '\b': return 'b';
    case '\f': return 'f';
    case '\n': return 'n';
    case '\r': return 'r';
    case '\t': return 't';
    default: return 0;
    }
}

} // namespace

JsonOutput::JsonOutput(QIODevice& device, bool compact)
    : m_device(device)
    , m_compact(compact)
{
}

void JsonOutput::Check(const CheckReport& report)
{
    Write(QJsonObject{
        {"resBase", report.resBase},
        {"categoriesDir", report.categoriesDir},
        {"modelsDir", report.modelsDir},
        {"modelsDirOk", report.modelsDirOk},
        {"modelsIni", report.modelsIni},
        {"resourcenPak", report.resourcenPak},
    });
}

void JsonOutput::Models(const SearchOutput& search, ListSource, DetailLookup* details)
{
    const CModels& models = search.models;
    const qint32 count = models.Count();
    Open('{');
    Member(1, QLatin1StringView("count"), true);
    Number(count);
    Member(1, QLatin1StringView("models"), false);
    Open('[');
    for (qint32 i = 0; i < count; ++i) {
        Element(2, i == 0);
        if (details != nullptr) {
            const RecordDetail detail = details->Of(models, i);
            Record(2, models, i, &detail);
        } else {
            Record(2, models, i, nullptr);
        }
        Flush(false);
    }
    Close(']', 1, count == 0);
    // The problem lists follow the records, as they always did.
    IniProblems(1, QLatin1StringView("missingIni"), search.problems.glMissingIni, search.problems.gcolMissingIni);
    IniProblems(1, QLatin1StringView("noNameIni"), search.problems.glNoNameIni, search.problems.gcolNoNameIni);
    Close('}', 0, false);
    if (!m_compact)
        m_buffer += '\n';
    Flush(true);
}

void JsonOutput::Mod2(const Mod2Report& report)
{
    QJsonArray list;
    for (const Mod2Report::Entry& entry : report.mod2)
        list.append(QJsonObject{{"name", entry.name}, {"exists", entry.exists}});
    Write(QJsonObject{
        {"gsb", report.gsb},
        {"name", report.title},
        {"gsbExists", report.gsbExists},
        {"mod2", list},
        {"missing", report.missing},
        {"note", report.note},
    });
}

void JsonOutput::Write(const QJsonObject& document)
{
    m_device.write(QJsonDocument(document).toJson(m_compact ? QJsonDocument::Compact : QJsonDocument::Indented));
}

void JsonOutput::Open(char bracket)
{
    m_buffer += bracket;
    if (!m_compact)
        m_buffer += '\n';
}

void JsonOutput::Close(char bracket, int depth, bool empty)
{
    if (!m_compact) {
        if (!empty)
            m_buffer += '\n';
        m_buffer.append(4 * depth, ' ');
    }
    m_buffer += bracket;
}

void JsonOutput::Element(int depth, bool first)
{
    if (!first)
        m_buffer += m_compact ? "," : ",\n";
    if (!m_compact)
        m_buffer.append(4 * depth, ' ');
}

void JsonOutput::Member(int depth, QLatin1StringView key, bool first)
{
    Element(depth, first);
    m_buffer += '"';
    m_buffer += QByteArrayView(key.data(), key.size());
    m_buffer += m_compact ? "\":" : "\": ";
}

// As QJsonDocument writes a string: the short escapes of JSON for the quote,
// the backslash and control characters, everything else in UTF-8; a control
// character without a short escape and a lone surrogate as a hex escape.
void JsonOutput::String(QStringView text)
{
    // Room for the worst case (every unit a six-byte escape), cut back after.
    const qsizetype start = m_buffer.size();
    m_buffer.resize(start + 6 * text.size() + 2);
    char* out = m_buffer.data() + start;
    *out++ = '"';
    const QChar* const end = text.end();
    for (const QChar* p = text.begin(); p != end; ++p) {
        const char16_t u = p->unicode();
        if (u >= 0x20 && u < 0x80 && u != '"' && u != '\\') {
            *out++ = char(u);
        } else if (u < 0x80) {
            const char named = NamedEscape(u);
            *out++ = '\\';
            if (named != 0)
                *out++ = named;
            else
                out = HexEscape(out, u);
        } else if (u < 0x800) {
            *out++ = char(0xc0 | (u >> 6));
            *out++ = char(0x80 | (u & 0x3f));
        } else if (!QChar::isSurrogate(u)) {
            *out++ = char(0xe0 | (u >> 12));
            *out++ = char(0x80 | ((u >> 6) & 0x3f));
            *out++ = char(0x80 | (u & 0x3f));
        } else if (QChar::isHighSurrogate(u) && p + 1 != end && p[1].isLowSurrogate()) {
            const char32_t c = QChar::surrogateToUcs4(u, p[1].unicode());
            ++p;
            *out++ = char(0xf0 | (c >> 18));
            *out++ = char(0x80 | ((c >> 12) & 0x3f));
            *out++ = char(0x80 | ((c >> 6) & 0x3f));
            *out++ = char(0x80 | (c & 0x3f));
        } else {
            *out++ = '\\';
            out = HexEscape(out, u);
        }
    }
    *out++ = '"';
    m_buffer.resize(out - m_buffer.constData());
}

void JsonOutput::Number(qint64 value)
{
    m_buffer += QByteArray::number(value);
}

void JsonOutput::Bool(bool value)
{
    m_buffer += value ? "true" : "false";
}

void JsonOutput::Null()
{
    m_buffer += "null";
}

void JsonOutput::StringList(int depth, const QStringList& list)
{
    Open('[');
    for (qsizetype i = 0; i < list.size(); ++i) {
        Element(depth + 1, i == 0);
        String(list.at(i));
    }
    Close(']', depth, list.isEmpty());
}

// The members in the order of their sorted keys, as QJsonObject keeps them.
void JsonOutput::Record(int depth, const CModels& models, qint32 index, const RecordDetail* d)
{
    const int inner = depth + 1;
    const ModelRecord& record = models.Record(index);
    const bool known = d != nullptr && d->detail.known;
    const auto orNull = [this, known](const auto& write) {
        if (known)
            write();
        else
            Null();
    };
    Open('{');
    if (d != nullptr) {
        Member(inner, QLatin1StringView("categories"), true);
        StringList(inner, known ? d->detail.place.categories : QStringList());
        Member(inner, QLatin1StringView("editor"), false);
        orNull([&] { Number(d->detail.editor); });
        Member(inner, QLatin1StringView("editorName"), false);
        orNull([&] { String(d->detail.editorName); });
    }
    Member(inner, QLatin1StringView("file"), d == nullptr);
    String(record.File);
    Member(inner, QLatin1StringView("gsb"), false);
    String(models.Gsb(index));
    if (d != nullptr) {
        Member(inner, QLatin1StringView("gsbExists"), false);
        Bool(d->gsbExists);
        Member(inner, QLatin1StringView("known"), false);
        Bool(known);
        Member(inner, QLatin1StringView("mod2Missing"), false);
        Number(d->mod2Missing);
        Member(inner, QLatin1StringView("name"), false);
        orNull([&] { String(d->detail.place.modelName); });
    }
    Member(inner, QLatin1StringView("path"), false);
    String(CModels::PathPart(record.File));
    Member(inner, QLatin1StringView("section"), false);
    String(record.Section);
    Close('}', depth, false);
}

void JsonOutput::IniProblems(int depth, QLatin1StringView key, qint32 count, const QStringList& files)
{
    Member(depth, key, false);
    Open('{');
    Member(depth + 1, QLatin1StringView("count"), true);
    Number(count);
    Member(depth + 1, QLatin1StringView("files"), false);
    StringList(depth + 1, files);
    Close('}', depth, false);
}

void JsonOutput::Flush(bool always)
{
    if (always || m_buffer.size() >= kFlushSize) {
        m_device.write(m_buffer);
        m_buffer.clear();
    }
}
