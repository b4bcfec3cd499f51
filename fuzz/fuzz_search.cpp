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
#include "platform/HostPath.h"
#include "platform/RecordingMessageSink.h"
#include "platform/TextCodec.h"
#include "startup/KluniError.h"
#include "startup/ModuleState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVector>

namespace {

struct Entry {
    QString section;
    QString name;
    QString valueLower;
};

QVector<Entry> ModelEntries(const QByteArray& bytes)
{
    QVector<Entry> entries;
    CIniFile ini;
    ini.InitFromBytes(bytes);
    for (;;) {
        ini.NextEntry();
        if (ini.IsEof())
            break;
        if (ini.IsEntry() && ini.EntryName().toLower().startsWith(QLatin1String("file")))
            entries.append({ini.Section(), ini.EntryName(), ini.EntryValue().toLower()});
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

void CheckNameSearch(const QVector<Entry>& entries, qint16 oper, const QString& text)
{
    const QString pattern = CModels::BuildPattern(oper, text).toLower();
    QStringList expected;
    bool valid = true;
    try {
        for (const Entry& entry : entries) {
            // A match is stored only when its result, the value, is not empty.
            if (Like(CModels::GsbFromPath(entry.valueLower), pattern) && !entry.valueLower.isEmpty())
                expected << entry.section + QLatin1Char('|') + entry.valueLower;
        }
    } catch (const KluniError&) {
        valid = false;
    }

    CModels models;
    try {
        FUZZ_CHECK(models.FilterModels(oper, text, NameSource::Gsb));
        FUZZ_CHECK(valid || entries.isEmpty());
    } catch (const KluniError& error) {
        FUZZ_CHECK(!valid);
        FUZZ_CHECK_EQ(error.Number(), 93);
        return;
    }
    if (valid)
        FUZZ_CHECK_EQ(Records(models), expected);
}

// The records before the lookup: some of the listed files (and one twice),
// some files nobody lists, and one record that already has a section.
QStringList StartRecords(const QVector<Entry>& entries, quint8 choice)
{
    QStringList files;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if ((choice >> (i % 8)) & 1)
            files << entries[i].valueLower;
    }
    if (!files.isEmpty())
        files << files.first();
    files << QStringLiteral("\\nicht\\gelistet.gsb");
    return files;
}

void CheckSetSection(const QVector<Entry>& entries, quint8 choice)
{
    const QStringList files = StartRecords(entries, choice);
    const qint32 start = qint32(choice % 3);
    CModels models;
    QVector<QPair<QString, QString>> expected;   // section, file
    for (const QString& file : files) {
        const QString section = expected.size() == 1 ? QStringLiteral("vorher") : DroppedSection();
        models.StoreFile(file, section);
        expected.append({section, file});
    }

    for (const Entry& entry : entries) {
        qsizetype found = -1;
        for (qsizetype i = start; i < expected.size() && found < 0; ++i) {
            if (expected[i].second == entry.valueLower)
                found = i;
        }
        if (found < 0)
            continue;
        if (expected[found].first == DroppedSection())
            expected[found].first = entry.section;
        else
            expected.insert(found + 1, {entry.section, entry.valueLower});
    }

    FUZZ_CHECK(models.SetSection(start));
    QStringList want;
    for (const auto& record : expected)
        want << record.first + QLatin1Char('|') + record.second;
    FUZZ_CHECK_EQ(Records(models), want);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const bool ready = [] {
        QDir(dir.path()).mkpath(QStringLiteral("Categories"));
        HostPath::SetDriveTable({{QLatin1Char('Z'), QStringLiteral("/")}});
        gMod.gtResBase = HostPath::ToWindows(dir.path());
        gMod.gtModelsIni = gMod.gtResBase + QStringLiteral("\\Categories\\Models.ini");
        return true;
    }();
    Q_UNUSED(ready);
    if (size < 2)
        return 0;

    const qint16 oper = qint16(data[0] % 5);
    const quint8 choice = data[1];
    const QList<QByteArray> fields = SplitFields(data + 2, size - 2, 2);
    const QString text = TextCodec::DecodeCp1252(fields.value(0));
    const QByteArray modelsIni = fields.value(1);
    {
        QFile file(dir.filePath(QStringLiteral("Categories/Models.ini")));
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(modelsIni);
    }

    RecordingMessageSink messages;
    gMod.gbExtend = false;
    const QVector<Entry> entries = ModelEntries(modelsIni);
    CheckNameSearch(entries, oper, text);
    CheckSetSection(entries, choice);
    FUZZ_CHECK(messages.Entries().isEmpty());
    return 0;
}
