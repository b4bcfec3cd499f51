// The ini reader over arbitrary bytes: it must deliver exactly the sections
// and entries that a straightforward reading of the lines gives, and reach the
// end of the input; told to pass over entries without a text, it may leave
// out only such entries.
#include "FuzzSupport.h"

#include "hostdata/CIniFile.h"
#include "platform/TextCodec.h"

#include <QRegularExpression>
#include <QVector>

namespace {

struct Line {
    bool section = false;
    QString sectionName, name, value;
};

// Lines end at CR LF or a lone CR (a lone LF stays in the line); blanks around
// a line go, so do blanks and tabs around the '='; one pair of quotes around
// a value goes; a line starting with ';' is a comment.
QVector<Line> ExpectedLines(const QByteArray& bytes)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n?")), blanks(QStringLiteral("^ +| +\\z")),
        rightSpace(QStringLiteral("[ \t]+\\z")), leftSpace(QStringLiteral("^[ \t]+"));
    QStringList lines = TextCodec::DecodeCp1252(bytes).split(lineEnd);
    if (lines.constLast().isEmpty())
        lines.removeLast();
    QVector<Line> expected;
    QString section;
    for (QString t : lines) {
        t.remove(blanks);
        const qsizetype eq = t.indexOf(QLatin1Char('='));
        if (t.startsWith(QLatin1Char('['))) {
            section = t.mid(1, t.size() - 2);
            expected.append({true, section, {}, {}});
        } else if (eq >= 0 && !t.startsWith(QLatin1Char(';'))) {
            QString value = t.mid(eq + 1).remove(leftSpace);
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            expected.append({false, section, t.left(eq).remove(rightSpace), value});
        }
    }
    return expected;
}

bool Same(const CIniFile& ini, const Line& line)
{
    return ini.IsSection() == line.section && ini.IsEntry() == !line.section && ini.Section() == line.sectionName
           && ini.EntryName() == line.name && ini.EntryValue() == line.value;
}

// With a needle the reader may pass over entries whose lower-cased value lacks
// it, but must deliver everything else exactly as the full reading does.
void CheckReading(const QByteArray& bytes, const QVector<Line>& expected, const QString& needle)
{
    CIniFile ini;
    FUZZ_CHECK(ini.InitFromBytes(bytes));
    if (!needle.isNull())
        ini.SkipEntriesWithout(needle);
    const auto skippable = [&](const Line& line) {
        return !needle.isNull() && !line.section && !line.value.toLower().contains(needle);
    };
    qsizetype next = 0;
    for (ini.NextEntry(); !ini.IsEof(); ini.NextEntry(), ++next) {
        for (; next < expected.size() && !Same(ini, expected[next]); ++next) {
            if (!skippable(expected[next]))
                FuzzFail("line passed over or read wrongly", __FILE__, __LINE__,
                         QDebug::toString(expected[next].name) + QDebug::toString(ini.EntryName()) + QDebug::toString(needle));
        }
        FUZZ_CHECK(next < expected.size());
        if (ini.IsEntry())
            FUZZ_CHECK_EQ(ini.EntryValueLower(), expected[next].value.toLower());
    }
    for (; next < expected.size(); ++next)
        FUZZ_CHECK(skippable(expected[next]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QVector<Line> expected = ExpectedLines(bytes);
    CheckReading(bytes, expected, QString());
    // A needle from the input's first bytes (mostly absent) and a piece of the
    // first value (present).
    CheckReading(bytes, expected, TextCodec::DecodeCp1252(bytes.left(2)).toLower());
    for (const Line& line : expected) {
        if (!line.section && !line.value.isEmpty()) {
            CheckReading(bytes, expected, line.value.toLower().mid(line.value.size() / 2, 3));
            break;
        }
    }
    const QString asText = TextCodec::DecodeCp1252(bytes);
    FUZZ_CHECK_EQ(CIniFile::MyLTrim(asText), QString(asText).remove(QRegularExpression(QStringLiteral("^[ \t]+"))));
    return 0;
}
