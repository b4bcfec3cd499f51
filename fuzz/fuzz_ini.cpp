// The ini reader over arbitrary bytes: it must deliver exactly the sections
// and entries that a straightforward reading of the lines gives, and reach the
// end of the input; told to pass over entries without a text, it may leave
// out only such entries.
#include "FuzzSupport.h"

#include "hostdata/CIniFile.h"
#include "platform/TextCodec.h"

#include <QVector>

namespace {

struct Line {
    bool section = false;
    QString section_;
    QString name;
    QString value;
};

// Lines end at CR LF or a lone CR; a lone LF stays part of the line.
QList<QByteArray> SplitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r')
            continue;
        lines << bytes.mid(start, i - start);
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines << bytes.mid(start);
    return lines;
}

QString TrimBlanks(QString t)
{
    qsizetype b = 0;
    while (b < t.size() && t[b] == QLatin1Char(' '))
        ++b;
    qsizetype e = t.size();
    while (e > b && t[e - 1] == QLatin1Char(' '))
        --e;
    return t.mid(b, e - b);
}

QString LTrimBlanksTabs(QString t)
{
    for (;;) {
        qsizetype b = 0;
        while (b < t.size() && t[b] == QLatin1Char(' '))
            ++b;
        t = t.mid(b);
        if (t.isEmpty() || t[0] != QLatin1Char('\t'))
            return t;
        t = t.mid(1);
    }
}

QString RTrimBlanksTabs(QString t)
{
    for (;;) {
        qsizetype e = t.size();
        while (e > 0 && t[e - 1] == QLatin1Char(' '))
            --e;
        t.truncate(e);
        if (t.isEmpty() || t.back() != QLatin1Char('\t'))
            return t;
        t.chop(1);
    }
}

QVector<Line> ExpectedLines(const QByteArray& bytes)
{
    QVector<Line> expected;
    QString section;
    for (const QByteArray& raw : SplitLines(bytes)) {
        const QString t = TrimBlanks(TextCodec::DecodeCp1252(raw));
        if (t.isEmpty() || t[0] == QLatin1Char(';'))
            continue;
        Line line;
        if (t[0] == QLatin1Char('[')) {
            section = t.size() >= 2 ? t.mid(1, t.size() - 2) : QString();
            line.section = true;
            line.section_ = section;
            expected << line;
            continue;
        }
        const qsizetype eq = t.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        line.section_ = section;
        line.name = RTrimBlanksTabs(t.left(eq));
        line.value = LTrimBlanksTabs(t.mid(eq + 1));
        if (line.value.size() >= 2 && line.value.front() == QLatin1Char('"') && line.value.back() == QLatin1Char('"'))
            line.value = line.value.mid(1, line.value.size() - 2);
        expected << line;
    }
    return expected;
}

// Reading with a needle may pass over entries whose lower-cased value lacks
// it, but must deliver everything else exactly as the full reading does.
bool Skippable(const Line& line, const QString& needle)
{
    return !line.section && !line.value.toLower().contains(needle);
}

bool Same(const CIniFile& ini, const Line& line)
{
    return ini.IsSection() == line.section && ini.Section() == line.section_ && ini.EntryName() == line.name
           && ini.EntryValue() == line.value;
}

void CheckSkipping(const QByteArray& bytes, const QVector<Line>& expected, const QString& needle)
{
    CIniFile ini;
    FUZZ_CHECK(ini.InitFromBytes(bytes));
    ini.SkipEntriesWithout(needle);
    qsizetype next = 0;
    for (;;) {
        ini.NextEntry();
        if (ini.IsEof())
            break;
        for (; next < expected.size() && !Same(ini, expected[next]); ++next) {
            if (!Skippable(expected[next], needle))
                FuzzFail("line passed over", __FILE__, __LINE__,
                         FuzzShow(expected[next].name) + QStringLiteral(" needle ") + FuzzShow(needle));
        }
        FUZZ_CHECK(next < expected.size());
        if (ini.IsEntry())
            FUZZ_CHECK_EQ(ini.EntryValueLower(), expected[next].value.toLower());
        ++next;
    }
    for (; next < expected.size(); ++next)
        FUZZ_CHECK(Skippable(expected[next], needle));
}

// A needle that occurs in some value (a piece of the first one), and one
// taken from the input's first bytes, which mostly does not.
QStringList Needles(const QByteArray& bytes, const QVector<Line>& expected)
{
    QStringList needles{TextCodec::DecodeCp1252(bytes.left(2)).toLower()};
    for (const Line& line : expected) {
        if (!line.section && !line.value.isEmpty()) {
            const QString lower = line.value.toLower();
            needles << lower.mid(lower.size() / 2, 3);
            break;
        }
    }
    return needles;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QVector<Line> expected = ExpectedLines(bytes);

    CIniFile ini;
    FUZZ_CHECK(ini.InitFromBytes(bytes));
    qsizetype delivered = 0;
    for (;;) {
        ini.NextEntry();
        if (ini.IsEof())
            break;
        FUZZ_CHECK(delivered < expected.size());
        const Line& want = expected[delivered++];
        FUZZ_CHECK_EQ(ini.IsSection(), want.section);
        FUZZ_CHECK_EQ(ini.IsEntry(), !want.section);
        FUZZ_CHECK_EQ(ini.Section(), want.section_);
        FUZZ_CHECK_EQ(ini.EntryName(), want.name);
        FUZZ_CHECK_EQ(ini.EntryValue(), want.value);
    }
    FUZZ_CHECK_EQ(qint64(delivered), qint64(expected.size()));

    for (const QString& needle : Needles(bytes, expected))
        CheckSkipping(bytes, expected, needle);

    const QString asText = TextCodec::DecodeCp1252(bytes);
    FUZZ_CHECK_EQ(CIniFile::MyLTrim(asText), LTrimBlanksTabs(asText));
    return 0;
}
