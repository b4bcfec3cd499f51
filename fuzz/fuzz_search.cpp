// The name search and the section lookup over a fuzzed "Models.ini", compared
// with a literal reading of their rules (one entry at a time, a linear search
// for each file, records inserted one by one). Both take short cuts of their
// own - entries passed over unread, an index of the records - that must not
// change a single record.
// Input: operator byte, start byte, search text, NUL, the file's bytes.
#include "FuzzSupport.h"

#include "hostdata/CIniFile.h"
#include "hostdata/CModels.h"
#include "hostdata/LikePattern.h"
#include "hostdata/SearchRun.h"
#include "platform/HostPath.h"
#include "platform/TextCodec.h"
#include "startup/KluniError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using Record = QString;   // "section|file"

// The model entries ("File..." in any case) as section and lower-cased value.
QList<std::pair<QString, QString>> ModelEntries(const QByteArray& bytes)
{
    QList<std::pair<QString, QString>> entries;
    CIniFile ini;
    ini.InitFromBytes(bytes);
    for (ini.NextEntry(); !ini.IsEof(); ini.NextEntry()) {
        if (ini.IsEntry() && ini.EntryName().startsWith(QLatin1String("file"), Qt::CaseInsensitive))
            entries.append({ini.Section(), ini.EntryValue().toLower()});
    }
    return entries;
}

QStringList Records(const CModels& models)
{
    QStringList records;
    for (qint32 i = 0; i < models.Count(); ++i)
        records << models.Section(i) + QLatin1Char('|') + models.Filename(i);
    return records;
}

// The gsb name of a value: after its last '\', less ".gsb", when there is more.
QString GsbName(const QString& value)
{
    const qsizetype slash = value.lastIndexOf(QLatin1Char('\\'));
    const QString last = value.mid(slash + 1);
    return slash >= 0 && last.size() > 4 && last.endsWith(QLatin1String(".gsb")) ? last.chopped(4) : QString();
}

void CheckNameSearch(SearchJob& job, const QList<std::pair<QString, QString>>& entries, qint16 oper,
                     const QString& text)
{
    const QString pattern = CModels::BuildPattern(oper, text).toLower();
    QStringList expected;
    bool valid = LikePattern(pattern).IsValid();
    for (const auto& [section, value] : entries) {
        if (valid && !value.isEmpty() && Like(GsbName(value), pattern))
            expected << section + QLatin1Char('|') + value;
    }
    CModels models;
    try {
        FUZZ_CHECK(models.FilterModels(job, oper, text, NameSource::Gsb, false));
        FUZZ_CHECK(valid || entries.isEmpty());
        FUZZ_CHECK_EQ(Records(models), expected);
    } catch (const KluniError& error) {
        FUZZ_CHECK(!valid);
        FUZZ_CHECK_EQ(error.Number(), 93);
    }
}

// The records before the lookup: some of the listed files (the first twice),
// a file nobody lists, the second record with a section of its own. Each
// entry then gives the first record of its file from start on its section,
// or a new record right after it when that one has a section already.
void CheckSetSection(SearchJob& job, const QList<std::pair<QString, QString>>& entries, quint8 choice)
{
    QStringList files;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if ((choice >> (i % 8)) & 1)
            files << entries[i].second;
    }
    files << files.value(0, QStringLiteral("\\nicht\\gelistet.gsb")) << QStringLiteral("\\nicht\\gelistet.gsb");
    const qint32 start = qint32(choice % 3);
    CModels models;
    QList<std::pair<QString, QString>> expected;   // section, file
    for (const QString& file : files) {
        expected.append({expected.size() == 1 ? QStringLiteral("vorher") : DroppedSection(), file});
        models.StoreFile(file, expected.constLast().first);
    }
    for (const auto& [section, value] : entries) {
        qsizetype found = start;
        while (found < expected.size() && expected[found].second != value)
            ++found;
        if (found == expected.size())
            continue;
        if (expected[found].first == DroppedSection())
            expected[found].first = section;
        else
            expected.insert(found + 1, {section, value});
    }
    FUZZ_CHECK(models.SetSection(job, start));
    QStringList want;
    for (const auto& [section, file] : expected)
        want << section + QLatin1Char('|') + file;
    FUZZ_CHECK_EQ(Records(models), want);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const auto installation = [] {
        QDir(dir.path()).mkpath(QStringLiteral("Categories"));
        HostPath::SetDriveTable({{QLatin1Char('Z'), QStringLiteral("/")}});
        return std::make_shared<const Installation>(Installation::At(HostPath::ToWindows(dir.path())));
    }();
    if (size < 2)
        return 0;

    const QList<QByteArray> fields = SplitFields(data + 2, size - 2, 2);
    QFile file(dir.filePath(QStringLiteral("Categories/Models.ini")));
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(fields.value(1));
    file.close();

    SearchProgress progress;
    SearchRun run(SearchInput{installation, CModels(), false, QStringLiteral("Name_GER")}, progress);
    const auto entries = ModelEntries(fields.value(1));
    CheckNameSearch(run.Job(), entries, qint16(data[0] % 5), TextCodec::DecodeCp1252(fields.value(0)));
    CheckSetSection(run.Job(), entries, data[1]);
    FUZZ_CHECK(run.Job().output.messages.isEmpty());
    return 0;
}
