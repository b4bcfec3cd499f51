#include "hostdata/CModels.h"
#include "hostdata/SearchRun.h"
#include "startup/KluniError.h"

#include "TestInstallation.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

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

class ModelsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_inst.Activate();
        NewRun();
    }

    // The searches that follow note their problems in a new output.
    void NewRun() { m_run = std::make_unique<SearchRun>(m_inst.Input(), m_progress); }
    const IniProblems& Problems() { return m_run->Job().output.problems; }

    void WriteModelsIni(const QString& text)
    {
        // Removed first: overwriting a file in place makes some file systems flush it at once.
        QFile::remove(m_inst.NativePath("Categories/Models.ini"));
        m_inst.WriteText("Categories/Models.ini", text);
    }

    QStringList Search(qint16 oper, const QString& text, NameSource source = NameSource::Gsb)
    {
        CModels models;
        EXPECT_TRUE(models.FilterModels(m_run->Job(), oper, text, source, false));
        QStringList files;
        for (qint32 i = 0; i < models.Count(); ++i)
            files << models.Gsb(i);
        return files;
    }

    TestInstallation m_inst;
    SearchProgress m_progress;
    std::unique_ptr<SearchRun> m_run;
};

// Duplicate removal written out plainly, to check the indexed one against.
void PlainRemoveDups(std::vector<ModelRecord>& records, size_t limit)
{
    bool marked = false;
    for (size_t i = limit; i < records.size(); ++i)
        for (size_t j = 0; j < limit; ++j)
            if (records[j].File == records[i].File && records[j].Section == records[i].Section) {
                records[i].File.clear();
                marked = true;
                break;
            }
    // Nothing repeated: even a record with an empty file stays.
    if (marked)
        records.erase(std::remove_if(records.begin() + qsizetype(limit), records.end(),
                                     [](const ModelRecord& r) { return r.File.isEmpty(); }),
                      records.end());
}

} // namespace

TEST(CModelsStatic, PatternsAndNameParts)
{
    const struct { qint16 oper; QString text, pattern; } patterns[] = {
        {1, "[a?#*]", "[[]a[?][#][*]]"}, {0, "[a?#*]", "*[[]a[?][#][*]]*"}, {2, "[a?#*]", "[[]a[?][#][*]]*"},
        {3, "[a?#*]", "*[[]a[?][#][*]]"}, {7, "[a?#*]", "[[]a[?][#][*]]"},  {4, "[a?#*]", "[a?#*]"},
        {0, "%1", "*%1*"},   // "%" is not a placeholder inside the inserted text
    };
    for (const auto& row : patterns)
        EXPECT_EQ(CModels::BuildPattern(row.oper, row.text), row.pattern) << row.oper << ' ' << qPrintable(row.text);

    CModels models;
    models.StoreFile("\\a\\b.gsb", "S");
    models.StoreFile("plain.gsb", "S", 1);          // plPos = count appends
    models.StoreFile("\\a\\.gsb", "T", 0);      // insert in front
    models.StoreFile("\\x\\y\\c.txt", "U", 2);
    models.StoreFile("\\a\\B.GSB", "U");        // only a lower-case extension names a gsb
    QStringList parts;
    for (qint32 i = 0; i < models.Count(); ++i)
        parts << Rows(models)[i] + " gsb=" + models.Gsb(i) + " path=" + models.Path(i) + " pur=" + models.FilenamePur(i);
    EXPECT_EQ(parts, QStringList({"T|\\a\\.gsb gsb= path=\\a\\ pur=.gsb", "S|\\a\\b.gsb gsb=b path=\\a\\ pur=b.gsb",
                                  "U|\\x\\y\\c.txt gsb= path=\\x\\y\\ pur=c.txt", "S|plain.gsb gsb= path=plain.gsb pur=plain.gsb",
                                  "U|\\a\\B.GSB gsb= path=\\a\\ pur=B.GSB"}));
    EXPECT_THROW(models.Section(5), KluniError);
}

TEST_F(ModelsTest, OperatorsAndNameSourcesWithProblemLists)
{
    WriteModelsIni("[Sec]\nFile1=\\Immobilien\\Haus.gsb\nFile2=\\Immobilien\\HAUSBOOT.gsb\nFile3=\\Immobilien\\Alt Haus.gsb\n"
                   "file4=\\Immobilien\\A*B.gsb\nFILE5=\\Immobilien\\AxyB.GSB\nFile6=\\Immobilien\\x[1]?#.gsb\n"
                   "File7=\\Immobilien\\x1a5.gsb\nName=\\Immobilien\\Haus.gsb\nFil=\\Immobilien\\Haus.gsb\n"
                   "File8=plain.gsb\nFile9=\\Immobilien\\Villa.gsb\nFile10=\\Immobilien\\Leer.gsb\n");
    // The lookup of ini files ignores case: the catalogue holds lower-case paths.
    m_inst.WriteText("Immobilien/Haus.ini", "[x]\nName_ENG=House\nName_GER= Villa Kunterbunt \n");
    m_inst.WriteText("Immobilien/Villa.ini", "[x]\nName_GER=Schuppen\n");
    m_inst.WriteText("Immobilien/Leer.ini", "[x]\nName_ENG=Empty\n");
    const QStringList all{"haus", "hausboot", "alt haus", "a*b", "axyb", "x[1]?#", "x1a5", "", "villa", "leer"};
    const struct {
        qint16 oper;
        QString text;
        NameSource source;
        QStringList found;
        int missingIni = 0, noNameIni = 0;
    } rows[] = {
        // Matching by gsb name is compared with a plain reading in fuzz/fuzz_search.cpp.
        {0, "", NameSource::Gsb, all},   // also the entry without a gsb name
        // Missing and nameless ini files count for every model entry, matched or not, and
        // match only a pattern that matches the empty text.
        {0, "VILLA", NameSource::Ini, {"haus"}, 7, 1},
        {0, "villa", NameSource::Both, {"haus", "villa"}, 7, 1},   // a model matching by both is stored once
        {0, "", NameSource::Ini, all, 7, 1},
        {4, "?*", NameSource::Ini, {"haus", "villa"}, 7, 1},
    };
    for (const auto& row : rows) {
        NewRun();
        EXPECT_EQ(Search(row.oper, row.text, row.source), row.found) << row.oper << ' ' << qPrintable(row.text);
        EXPECT_EQ(Problems().glMissingIni, row.missingIni) << row.oper << ' ' << qPrintable(row.text);
        EXPECT_EQ(Problems().glNoNameIni, row.noNameIni) << row.oper << ' ' << qPrintable(row.text);
    }
    EXPECT_EQ(Problems().gcolNoNameIni, QStringList{"\\immobilien\\leer.ini"});
    EXPECT_EQ(Problems().gcolMissingIni.first(), "\\immobilien\\hausboot.ini");
    EXPECT_THROW(Search(4, "[abc"), KluniError);   // an unreadable pattern is a run-time error
}

TEST_F(ModelsTest, ProblemListsKeepTheFirstHundredAndCountAll)
{
    QString ini = "[S]\n";
    for (int i = 0; i < 150; ++i)
        ini += QString("File%1=\\M\\m%1.gsb\n").arg(i);
    WriteModelsIni(ini);
    Search(0, "nichts", NameSource::Ini);
    Search(0, "nichts", NameSource::Ini);   // every occurrence counts
    EXPECT_EQ(Problems().glMissingIni, 300);
    ASSERT_EQ(Problems().gcolMissingIni.size(), 100);
    EXPECT_EQ(Problems().gcolMissingIni.first() + Problems().gcolMissingIni.last(), "\\m\\m0.ini\\m\\m99.ini");

    QStringList list;
    AddIniToList(list, "\\a\\B.GSB");
    AddIniToList(list, "\\a\\c.gsb");
    EXPECT_EQ(list, QStringList({"\\a\\B.GSB", "\\a\\c.ini"}));
}

TEST(CModelsStatic, IndexedDuplicateRemovalEqualsPlainScan)
{
    QRandomGenerator random(20240611);
    const QStringList files = {"\\m\\a.gsb", "\\m\\b.gsb", "\\m\\c.gsb", "", "\\n\\e.gsb"};
    const QStringList sections = {"S1", "S2", "\tDropped", ""};
    const auto pick = [&random](const QStringList& list) { return list[random.bounded(int(list.size()))]; };
    for (int round = 0; round < 2000; ++round) {
        std::vector<ModelRecord> expected;
        CModels models;
        for (int i = random.bounded(12); i > 0; --i) {
            expected.push_back({pick(sections), pick(files)});
            models.StoreFile(expected.back().File, expected.back().Section);
        }
        const qint32 limit = random.bounded(int(expected.size()) + 1);
        PlainRemoveDups(expected, size_t(limit));
        models.RemoveDups(limit);
        ASSERT_EQ(Rows(models), Rows(expected)) << "round " << round << " limit " << limit;
    }
}
