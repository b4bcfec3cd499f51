#include "hostdata/CIniFile.h"
#include "hostdata/CModels.h"
#include "startup/KluniError.h"
#include "startup/ModuleState.h"

#include "TestInstallation.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>

namespace {

// "section|file" for every record, in list order.
QStringList Rows(const CModels& models)
{
    QStringList rows;
    for (qint32 i = 0; i < models.Count(); ++i)
        rows << models.Section(i) + u'|' + models.Filename(i);
    return rows;
}

QStringList Rows(const std::vector<ModelRecord>& records)
{
    QStringList rows;
    for (const ModelRecord& r : records)
        rows << r.Section + u'|' + r.File;
    return rows;
}

QString Dropped()
{
    return DroppedSection();
}

class ModelsTest : public ::testing::Test {
protected:
    void SetUp() override { m_inst.Activate(); }

    void WriteModelsIni(const QString& text)
    {
        // Removed first: overwriting a file in place makes some file systems flush it at once.
        const QString relPath = QStringLiteral("Categories/Models.ini");
        QFile::remove(m_inst.NativePath(relPath));
        m_inst.WriteText(relPath, text);
    }

    QStringList Search(qint16 oper, const QString& text, NameSource source = NameSource::Gsb)
    {
        CModels models;
        EXPECT_TRUE(models.FilterModels(oper, text, source));
        QStringList files;
        for (qint32 i = 0; i < models.Count(); ++i)
            files << models.Gsb(i);
        return files;
    }

    TestInstallation m_inst;
};

// The catalogue rules written out plainly, as linear scans, to check the
// indexed implementation against.
namespace plain {

qint32 FindFile(const std::vector<ModelRecord>& records, const QString& name, const QString& value,
                qint32 start)
{
    if (!name.startsWith(QLatin1String("file")))
        return -1;
    for (qint32 i = start; i < qint32(records.size()); ++i) {
        if (records[size_t(i)].File == value)
            return i;
    }
    return -1;
}

void SetSection(std::vector<ModelRecord>& records, qint32 start)
{
    CIniFile ini;
    ASSERT_TRUE(ini.Init(gMod.gtModelsIni));
    QString section;
    for (;;) {
        ini.NextEntry();
        if (ini.IsEof())
            break;
        if (ini.IsSection()) {
            section = ini.Section();
        } else if (ini.IsEntry()) {
            const QString value = ini.EntryValue().toLower();
            const qint32 idx = FindFile(records, ini.EntryName().toLower(), value, start);
            if (idx < 0)
                continue;
            if (records[size_t(idx)].Section == DroppedSection())
                records[size_t(idx)].Section = section;
            else
                records.insert(records.begin() + idx + 1, ModelRecord{section, value});
        }
    }
}

void RemoveDups(std::vector<ModelRecord>& records, qint32 limit)
{
    bool marked = false;
    for (size_t i = size_t(limit); i < records.size(); ++i) {
        for (size_t j = 0; j < size_t(limit); ++j) {
            if (records[j].File == records[i].File && records[j].Section == records[i].Section) {
                records[i].File.clear();
                marked = true;
                break;
            }
        }
    }
    if (!marked)
        return;
    size_t next = size_t(limit);
    for (size_t i = size_t(limit); i < records.size(); ++i) {
        if (!records[i].File.isEmpty())
            records[next++] = records[i];
    }
    records.resize(next);
}

} // namespace plain

} // namespace

TEST(CModelsStatic, BuildPatternEscapesWildcardsInOrder)
{
    const QString text = QStringLiteral("[a?#*]");
    EXPECT_EQ(CModels::BuildPattern(1, text), QStringLiteral("[[]a[?][#][*]]"));
    EXPECT_EQ(CModels::BuildPattern(0, text), QStringLiteral("*[[]a[?][#][*]]*"));
    EXPECT_EQ(CModels::BuildPattern(2, text), QStringLiteral("[[]a[?][#][*]]*"));
    EXPECT_EQ(CModels::BuildPattern(3, text), QStringLiteral("*[[]a[?][#][*]]"));
    EXPECT_EQ(CModels::BuildPattern(7, text), QStringLiteral("[[]a[?][#][*]]"));
    EXPECT_EQ(CModels::BuildPattern(4, text), text);
    // "%" is not a placeholder inside the inserted text.
    EXPECT_EQ(CModels::BuildPattern(0, QStringLiteral("%1")), QStringLiteral("*%1*"));
}

TEST(CModelsStatic, StoreFileAndAccessors)
{
    CModels models;
    models.StoreFile(QStringLiteral("\\a\\b.gsb"), QStringLiteral("S"));
    models.StoreFile(QStringLiteral("plain.gsb"), QStringLiteral("S"), 1);          // plPos = count appends
    models.StoreFile(QStringLiteral("\\a\\.gsb"), QStringLiteral("T"), 0);          // insert in front
    models.StoreFile(QStringLiteral("\\x\\y\\c.txt"), QStringLiteral("U"), 2);
    EXPECT_EQ(Rows(models), (QStringList{"T|\\a\\.gsb", "S|\\a\\b.gsb", "U|\\x\\y\\c.txt", "S|plain.gsb"}));

    EXPECT_EQ(models.Gsb(1), QStringLiteral("b"));
    EXPECT_EQ(models.Path(1), QStringLiteral("\\a\\"));
    EXPECT_EQ(models.FilenamePur(1), QStringLiteral("b.gsb"));
    EXPECT_EQ(models.Gsb(0), QString());                     // ".gsb" alone is no gsb name
    EXPECT_EQ(models.Gsb(2), QString());                     // other extension
    EXPECT_EQ(models.Path(2), QStringLiteral("\\x\\y\\"));
    EXPECT_EQ(models.Gsb(3), QString());                     // no backslash
    EXPECT_EQ(models.Path(3), QStringLiteral("plain.gsb"));
    EXPECT_EQ(models.FilenamePur(3), QStringLiteral("plain.gsb"));
    EXPECT_EQ(CModels::GsbFromPath(QStringLiteral("\\a\\B.GSB")), QString());   // exact lower-case test

    EXPECT_THROW(models.Section(4), KluniError);
}

TEST_F(ModelsTest, OperatorsCompareGsbNamesIgnoringCase)
{
    WriteModelsIni(QStringLiteral("[Sec]\n"
                                  "File1=\\Immobilien\\Haus.gsb\n"
                                  "File2=\\Immobilien\\HAUSBOOT.gsb\n"
                                  "File3=\\Immobilien\\Alt Haus.gsb\n"
                                  "file4=\\Immobilien\\A*B.gsb\n"
                                  "FILE5=\\Immobilien\\AxyB.GSB\n"
                                  "File6=\\Immobilien\\x[1]?#.gsb\n"
                                  "File7=\\Immobilien\\x1a5.gsb\n"
                                  "Name=\\Immobilien\\Haus.gsb\n"
                                  "Fil=\\Immobilien\\Haus.gsb\n"
                                  "File8=plain.gsb\n"));
    EXPECT_EQ(Search(1, QStringLiteral("haus")), QStringList{"haus"});
    EXPECT_EQ(Search(1, QStringLiteral("HAU")), QStringList());
    EXPECT_EQ(Search(0, QStringLiteral("HAUS")), (QStringList{"haus", "hausboot", "alt haus"}));
    EXPECT_EQ(Search(2, QStringLiteral("haus")), (QStringList{"haus", "hausboot"}));
    EXPECT_EQ(Search(3, QStringLiteral("Haus")), (QStringList{"haus", "alt haus"}));
    // '*' is literal unless the user writes the pattern.
    EXPECT_EQ(Search(0, QStringLiteral("a*b")), QStringList{"a*b"});
    EXPECT_EQ(Search(4, QStringLiteral("a*b")), (QStringList{"a*b", "axyb"}));
    EXPECT_EQ(Search(1, QStringLiteral("X[1]?#")), QStringList{"x[1]?#"});
    EXPECT_EQ(Search(4, QStringLiteral("x#[a-c]#")), QStringList{"x1a5"});
    // An empty "enthält" matches every model entry, also one without a gsb name.
    EXPECT_EQ(Search(0, QString()).size(), 8);
}

TEST_F(ModelsTest, ModelUnderTwoSectionsGivesTwoRecordsInFileOrder)
{
    WriteModelsIni(QStringLiteral("[Zwei]\nFile1=\\A\\M.gsb\n[Eins]\nFile1=\\a\\m.gsb\nFile2=\\a\\n.gsb\n"));
    CModels models;
    ASSERT_TRUE(models.FilterModels(0, QStringLiteral("m"), NameSource::Gsb));
    EXPECT_EQ(Rows(models), (QStringList{"Zwei|\\a\\m.gsb", "Eins|\\a\\m.gsb"}));

    // Appending keeps the earlier records; without the option the list starts anew.
    gMod.gbExtend = true;
    ASSERT_TRUE(models.FilterModels(1, QStringLiteral("n"), NameSource::Gsb));
    EXPECT_EQ(models.Count(), 3);
    gMod.gbExtend = false;
    ASSERT_TRUE(models.FilterModels(1, QStringLiteral("n"), NameSource::Gsb));
    EXPECT_EQ(Rows(models), QStringList{"Eins|\\a\\n.gsb"});
}

TEST_F(ModelsTest, IniNamesAndBothSourcesWithProblemLists)
{
    WriteModelsIni(QStringLiteral("[S]\n"
                                  "File1=\\Immobilien\\Haus.gsb\n"
                                  "File2=\\Immobilien\\Villa.gsb\n"
                                  "File3=\\Immobilien\\Ohne.gsb\n"
                                  "File4=\\Immobilien\\Leer.gsb\n"));
    // The lookup ignores case: the catalogue holds lower-case paths.
    m_inst.WriteText(QStringLiteral("Immobilien/Haus.ini"), QStringLiteral("[x]\nName_ENG=House\nName_GER= Villa Kunterbunt \n"));
    m_inst.WriteText(QStringLiteral("Immobilien/Villa.ini"), QStringLiteral("[x]\nName_GER=Schuppen\n"));
    m_inst.WriteText(QStringLiteral("Immobilien/Leer.ini"), QStringLiteral("[x]\nName_ENG=Empty\n"));

    EXPECT_EQ(Search(0, QStringLiteral("villa"), NameSource::Gsb), QStringList{"villa"});
    EXPECT_EQ(gMod.glMissingIni + gMod.glNoNameIni, 0);   // the gsb source opens no ini file

    EXPECT_EQ(Search(0, QStringLiteral("VILLA"), NameSource::Ini), QStringList{"haus"});
    EXPECT_EQ(gMod.glMissingIni, 1);
    EXPECT_EQ(gMod.gcolMissingIni, QStringList{"\\immobilien\\ohne.ini"});
    EXPECT_EQ(gMod.glNoNameIni, 1);
    EXPECT_EQ(gMod.gcolNoNameIni, QStringList{"\\immobilien\\leer.ini"});

    // Either name may match; a model matching by both is stored once.
    ResetIniProblems();
    EXPECT_EQ(Search(0, QStringLiteral("villa"), NameSource::Both), (QStringList{"haus", "villa"}));
    EXPECT_EQ(gMod.glMissingIni, 1);   // counted for every model entry, matched or not

    // Missing and nameless ini files match only a pattern that matches the empty text.
    EXPECT_EQ(Search(0, QString(), NameSource::Ini).size(), 4);
    EXPECT_EQ(Search(4, QStringLiteral("?*"), NameSource::Ini), (QStringList{"haus", "villa"}));
}

TEST_F(ModelsTest, ProblemListsKeepTheFirstHundredAndCountAll)
{
    QString ini = QStringLiteral("[S]\n");
    for (int i = 0; i < 150; ++i)
        ini += QStringLiteral("File%1=\\M\\m%1.gsb\n").arg(i);
    WriteModelsIni(ini);
    ResetIniProblems();
    Search(0, QStringLiteral("nichts"), NameSource::Ini);
    Search(0, QStringLiteral("nichts"), NameSource::Ini);   // every occurrence counts
    EXPECT_EQ(gMod.glMissingIni, 300);
    ASSERT_EQ(gMod.gcolMissingIni.size(), 100);
    EXPECT_EQ(gMod.gcolMissingIni.first(), QStringLiteral("\\m\\m0.ini"));
    EXPECT_EQ(gMod.gcolMissingIni.last(), QStringLiteral("\\m\\m99.ini"));

    QStringList list;
    AddIniToList(list, QStringLiteral("\\a\\B.GSB"));
    AddIniToList(list, QStringLiteral("\\a\\c.gsb"));
    EXPECT_EQ(list, (QStringList{"\\a\\B.GSB", "\\a\\c.ini"}));

    NoteNoNameIni(QStringLiteral("\\x.gsb"));
    ResetIniProblems();
    EXPECT_EQ(gMod.glMissingIni + gMod.glNoNameIni, 0);
    EXPECT_TRUE(gMod.gcolMissingIni.isEmpty() && gMod.gcolNoNameIni.isEmpty());
}

TEST_F(ModelsTest, UnreadablePatternIsARunTimeError)
{
    WriteModelsIni(QStringLiteral("[S]\nFile1=\\a\\b.gsb\n"));
    CModels models;
    try {
        models.FilterModels(4, QStringLiteral("[abc"), NameSource::Gsb);
        ADD_FAILURE() << "no error";
    } catch (const KluniError& e) {
        EXPECT_EQ(e.Number(), 93);
    }
}

TEST_F(ModelsTest, MissingModelsIniIsReported)
{
    const QString message = QStringLiteral("Kann die Datei %1 nicht lesen!\r\n\r\nOhne diese Datei kann Kluni keine "
                                           "Modelle finden.\r\n\r\nDas Programm wird somit beendet.")
                                .arg(gMod.gtModelsIni);
    CModels models;
    models.StoreFile(QStringLiteral("\\a\\b.gsb"), Dropped());
    EXPECT_FALSE(models.SetSection(0));
    EXPECT_EQ(Rows(models), QStringList{"\tDropped|\\a\\b.gsb"});

    EXPECT_FALSE(models.FilterModels(0, QStringLiteral("b"), NameSource::Gsb));
    EXPECT_EQ(models.Count(), 0);   // emptied before the file was tried

    const auto& entries = m_inst.Messages().Entries();
    ASSERT_EQ(entries.size(), 2);
    for (const auto& entry : entries) {
        EXPECT_EQ(entry.kind, RecordingMessageSink::Kind::Critical);
        EXPECT_EQ(entry.text, message);
    }
}

TEST_F(ModelsTest, SetSectionFillsDroppedAndInsertsFurtherSections)
{
    WriteModelsIni(QStringLiteral("[S1]\nFile1=\\A\\M.gsb\n"
                                  "[S2]\nFile1=\\a\\m.gsb\nFile2=\\a\\n.gsb\nName=\\a\\z.gsb\n"
                                  "[S3]\nFile1=\\a\\m.gsb\n"));
    CModels models;
    models.StoreFile(QStringLiteral("\\a\\m.gsb"), QStringLiteral("Alt"));   // before plStart: untouched
    models.StoreFile(QStringLiteral("\\a\\m.gsb"), Dropped());
    models.StoreFile(QStringLiteral("\\a\\z.gsb"), Dropped());
    models.StoreFile(QStringLiteral("\\a\\n.gsb"), Dropped());
    models.StoreFile(QStringLiteral("\\a\\m.gsb"), Dropped());               // a repeat: never found
    ASSERT_TRUE(models.SetSection(1));
    EXPECT_EQ(Rows(models), (QStringList{"Alt|\\a\\m.gsb", "S1|\\a\\m.gsb", "S3|\\a\\m.gsb", "S2|\\a\\m.gsb",
                                         "\tDropped|\\a\\z.gsb", "S2|\\a\\n.gsb", "\tDropped|\\a\\m.gsb"}));
}

TEST_F(ModelsTest, RemoveDupsComparesOnlyWithRecordsBeforeTheLimit)
{
    const auto make = [] {
        CModels models;
        for (const char* row : {"A|\\x.gsb", "B|\\y.gsb", "A|\\x.gsb", "B|\\x.gsb", "C|\\z.gsb", "C|\\z.gsb", "A|"}) {
            const QStringList parts = QString::fromLatin1(row).split(u'|');
            models.StoreFile(parts[1], parts[0]);
        }
        return models;
    };
    CModels models = make();
    const QStringList all = Rows(models);
    models.RemoveDups(0);
    EXPECT_EQ(Rows(models), all);
    models.RemoveDups(models.Count());
    EXPECT_EQ(Rows(models), all);

    // A repeat of an earlier record goes; repeats among the later records stay,
    // and so does a different section. A record with an empty file goes with them.
    models.RemoveDups(2);
    EXPECT_EQ(Rows(models), (QStringList{"A|\\x.gsb", "B|\\y.gsb", "B|\\x.gsb", "C|\\z.gsb", "C|\\z.gsb"}));

    // Nothing repeated: the empty file stays.
    CModels few;
    few.StoreFile(QStringLiteral("\\x.gsb"), QStringLiteral("A"));
    few.StoreFile(QString(), QStringLiteral("A"));
    few.RemoveDups(1);
    EXPECT_EQ(few.Count(), 2);
}

TEST_F(ModelsTest, IndexedSectionLookupEqualsPlainScans)
{
    QRandomGenerator random(20240611);
    const QStringList files = {"\\m\\a.gsb", "\\m\\b.gsb", "\\m\\c.gsb", "\\m\\d.gsb", "\\n\\e.gsb", "\\n\\f.gsb"};
    const QStringList sections = {"S1", "S2", "S3", "\tDropped", ""};
    const auto pick = [&random](const QStringList& list) { return list[random.bounded(int(list.size()))]; };
    // Mostly as stored, some in capitals, a few empty (which finds records with an empty file).
    const auto value = [&] {
        const int r = random.bounded(10);
        return r < 6 ? pick(files) : r < 9 ? pick(files).toUpper() : QString();
    };

    for (int round = 0; round < 500; ++round) {
        QString ini;
        for (int n = random.bounded(25); n > 0; --n) {
            const int kind = random.bounded(10);
            if (kind < 3)
                ini += u'[' + pick(sections) + QStringLiteral("]\n");
            else if (kind < 9)
                ini += (random.bounded(2) ? QStringLiteral("File%1=") : QStringLiteral("FILE%1=")).arg(n)
                       + value() + u'\n';
            else
                ini += QStringLiteral("Name=") + pick(files) + u'\n';
        }
        WriteModelsIni(ini);

        std::vector<ModelRecord> expected;
        CModels models;
        const int count = random.bounded(12);
        const qint32 start = random.bounded(count + 1);
        for (int i = 0; i < count; ++i) {
            const QString section = i >= start && random.bounded(4) ? Dropped() : pick(sections);
            const QString file = random.bounded(15) ? pick(files) : QString();
            expected.push_back({section, file});
            models.StoreFile(file, section);
        }

        plain::SetSection(expected, start);
        ASSERT_TRUE(models.SetSection(start));
        ASSERT_EQ(Rows(models), Rows(expected)) << "round " << round << "\n" << qPrintable(ini);

        const qint32 limit = random.bounded(int(expected.size()) + 1);
        plain::RemoveDups(expected, limit);
        models.RemoveDups(limit);
        ASSERT_EQ(Rows(models), Rows(expected)) << "round " << round << " limit " << limit;
    }
}
