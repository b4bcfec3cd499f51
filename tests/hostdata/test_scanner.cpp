// Walking directories: the scanner's order and filters, the searches built on
// it, and the handle-based directory search beneath.

#include "hostdata/ModelScanner.h"

#include "TestInstallation.h"
#include "hostdata/CModels.h"
#include "hostdata/CWinApi.h"
#include "hostdata/SearchRun.h"
#include "hostdata/Searches.h"
#include "platform/HostPath.h"

#include <QDateTime>
#include <QFile>
#include <ctime>
#include <gtest/gtest.h>

namespace {

class ScannerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        inst.Activate();
        for (const char* file : {"Rollmaterial/Zug.gsb", "Rollmaterial/a.GSB", "Rollmaterial/b.gsb", "Rollmaterial/notes.txt",
                                 "Rollmaterial/b.ini", "Rollmaterial/Sub/c.gsb", "Rollmaterial/alpha/d.gsb",
                                 "Rollmaterial/alpha/deeper/e.gsb", "Rollmaterial/alpha/x.gsb.bak", "Immobilien/Haus.gsb",
                                 "Signale/Signale/Sig.gsb", "Extra/Aussen.gsb", "Extra/Upper.GSB", "Direkt.gsb",
                                 "../Anderswo/Fremd.gsb"})
            inst.WriteBytes(file, "x");
        inst.WriteText("Immobilien/Haus.ini", "[x]\nName_GER=Stadthaus\n");
        inst.WriteText("Categories/Models.ini", "[Haeuser]\nFile1=\\Immobilien\\Haus.gsb\nFile2=\\Immobilien\\Fehlt.gsb\n"
                                                "[Staedte]\nFile1=\\Immobilien\\Haus.gsb\n");
    }

    // "file|section" per record.
    QStringList Records() const
    {
        QStringList records;
        for (qint32 i = 0; i < models.Count(); ++i)
            records << models.Filename(i) + '|' + models.Section(i);
        return records;
    }

    // A search from the list in models, extended or replaced.
    SearchInput In(bool extend = false, const QString& nameKey = QStringLiteral("Name_GER"))
    {
        SearchInput input = inst.Input(extend, nameKey);
        input.catalogue = models;
        return input;
    }
    // Keeps a search's output, its list in models.
    void Take(SearchOutput output)
    {
        last = std::move(output);
        models = last.models;
    }

    TestInstallation inst;
    CModels models;
    SearchOutput last;
    SearchProgress progress;
    const QDate today = QDate::currentDate();
    const QStringList haus{"\\immobilien\\haus.gsb|Haeuser", "\\immobilien\\haus.gsb|Staedte"};
};

QStringList Dropped(const QStringList& files)
{
    QStringList records;
    for (const QString& file : files)
        records << file + "|\tDropped";
    return records;
}

} // namespace

TEST_F(ScannerTest, FileListsTakeExactGsbNamesThenWalkDirectories)
{
    // A list takes exact lower-case gsb names, then walks the directories.
    const QString outside = HostPath::ToWindows(inst.NativePath("../Anderswo/Fremd.gsb"));
    SearchRun run(inst.Input(), progress);
    ModelScanner(models, run.Job()).ScanFileList({inst.WindowsPath("Rollmaterial\\Sub"), inst.WindowsPath("Extra\\Upper.GSB"),
                                       inst.WindowsPath("Immobilien\\Haus.gsb"), inst.WindowsPath("readme.txt"), outside});
    EXPECT_EQ(Records(), Dropped({"\\immobilien\\haus.gsb", outside.toLower(), "\\rollmaterial\\sub\\c.gsb"}));

    EXPECT_EQ(ModelScanner::IsGsbName("C:\\x\\Haus.gsb") + '|' + ModelScanner::IsGsbName("C:\\x\\Haus.GSB") + '|'
                  + ModelScanner::IsGsbName("C:\\x\\Haus.gsb2"),
              "C:\\x\\Haus.gsb||");
    const QString base = "c:\\eep6\\resourcen";
    EXPECT_EQ(ModelScanner::RelativeModelPath("c:\\eep6\\RESOURCEN\\Immobilien\\Haus.GSB", base), "\\immobilien\\haus.gsb");
    EXPECT_EQ(ModelScanner::RelativeModelPath("D:\\Downloads\\Lok.gsb", base), "d:\\downloads\\lok.gsb");
}

// Own files before subdirectories, each in NTFS order; roots that do not exist add nothing.
TEST_F(ScannerTest, DateSearchWalksTheSixRootsWithinTheRange)
{
    models.StoreFile("\\alt\\alt.gsb", "Alt");
    Take(Searches::ByDate(In(), progress, today.addDays(-10), today.addDays(-2)));
    EXPECT_EQ(models.Count(), 0);
    Take(Searches::ByDate(In(), progress, today.addDays(-1), today));   // the last day counts
    const QStringList found = Dropped({"\\rollmaterial\\a.gsb", "\\rollmaterial\\b.gsb", "\\rollmaterial\\zug.gsb",
                                       "\\rollmaterial\\alpha\\d.gsb", "\\rollmaterial\\alpha\\deeper\\e.gsb",
                                       "\\rollmaterial\\sub\\c.gsb", "\\signale\\signale\\sig.gsb"}) + haus;
    EXPECT_EQ(Records(), found);

    // Extending over the same range adds nothing that is already listed.
    Take(Searches::ByDate(In(true), progress, today.addDays(-1), today.addDays(1)));
    EXPECT_EQ(last.glPrevCount, found.size());
    EXPECT_EQ(Records(), found);
}

TEST_F(ScannerTest, DroppedFilesAndStartParameters)
{
    const QStringList drop{inst.WindowsPath("Immobilien\\Haus.gsb")};
    Take(Searches::Dropped(In(), progress, drop));
    EXPECT_EQ(Records(), haus);
    // The same file again, extending, with a directory: only the new models stay.
    Take(Searches::Dropped(In(true), progress, drop + QStringList{inst.WindowsPath("Signale")}));
    EXPECT_EQ(Records(), haus + Dropped({"\\signale\\signale\\sig.gsb"}));
    // Nothing usable dropped without extending: the list is emptied.
    Take(Searches::Dropped(In(), progress, {inst.WindowsPath("Rollmaterial\\notes.txt")}));
    EXPECT_EQ(models.Count(), 0);

    Take(Searches::StartParams(In(), progress, {inst.WindowsPath("Extra"), inst.WindowsPath("Immobilien\\Haus.gsb")}));
    EXPECT_EQ(Records(), haus + Dropped({"\\extra\\aussen.gsb", "\\extra\\upper.gsb"}));   // a walk takes any case of ".gsb"
}

TEST_F(ScannerTest, NameSearchStartsAFreshListOrExtendsIt)
{
    Take(Searches::ByName(In(false, "Name_ENG"), progress, 0, "HAUS", NameSource::Both));
    ASSERT_TRUE(last.result);
    EXPECT_EQ(last.gtSearchNameKey, "Name_ENG");
    EXPECT_EQ(Records(), haus);
    EXPECT_EQ(last.problems.glMissingIni, 1);   // Fehlt.ini
    EXPECT_EQ(last.problems.glNoNameIni, 2);    // no English name, counted per entry
    Take(Searches::ByName(In(true), progress, 1, "haus", NameSource::Gsb));
    EXPECT_EQ(models.Count(), 2);
    EXPECT_EQ(last.problems.glNoNameIni, 0);

    // Entries before the first section header belong to no section; a
    // replacing search must not carry over the section its predecessor read last.
    inst.WriteText("Categories/Models.ini", "File1=\\Immobilien\\Haus.gsb\n[Haeuser]\nFile2=\\Rollmaterial\\b.gsb\n");
    Take(Searches::ByName(In(), progress, 0, "", NameSource::Gsb));
    Take(Searches::ByName(In(), progress, 0, "", NameSource::Gsb));
    EXPECT_EQ(Records(), QStringList({"\\immobilien\\haus.gsb|", "\\rollmaterial\\b.gsb|Haeuser"}));

    Installation moved = inst.Paths();
    moved.gtModelsIni = inst.WindowsPath("Categories\\Fehlt.ini");
    SearchInput input = In();
    input.installation = std::make_shared<const Installation>(moved);
    Take(Searches::ByName(input, progress, 0, "haus", NameSource::Gsb));
    EXPECT_FALSE(last.result);
    EXPECT_EQ(last.messages.size(), 1);
}

TEST_F(ScannerTest, HandleSearchesNestAndLocalDaysUseTheZoneInForceNow)
{
    const QString dir = inst.WindowsPath("Rollmaterial\\alpha");
    CWinApi api;
    CFile a, b;
    qint32 h1 = -1, h2 = -1;
    ASSERT_TRUE(api.FindFirstFile(h1, dir, "*.*", a));
    ASSERT_TRUE(api.FindFirstFile(h2, inst.WindowsPath("Extra"), "*.gsb", b));
    EXPECT_NE(h1, h2);
    QStringList names{a.Filename(), b.Filename()};
    while (api.FindNextFile(h1, dir, a))
        names << a.Filename() + (a.isDir() ? "/" : "");
    EXPECT_EQ(names, QStringList({dir + "\\.", inst.WindowsPath("Extra\\Aussen.gsb"), dir + "\\../", dir + "\\d.gsb",
                                  dir + "\\deeper/", dir + "\\x.gsb.bak"}));
    EXPECT_TRUE(api.FindClose(h1));
    EXPECT_FALSE(api.FindClose(h1));
    EXPECT_TRUE(api.FindClose(h2));
    EXPECT_EQ(api.OpenSearchCount(), 0);
    // A missing directory: False, an invalid handle, the record untouched.
    EXPECT_FALSE(api.FindFirstFile(h1, inst.WindowsPath("nowhere"), "*.*", a));
    EXPECT_EQ(h1, CWinApi::kInvalidHandle);
    EXPECT_EQ(a.Filename(), dir + "\\x.gsb.bak");

    // Two hours east of UTC: 22:30 UTC on the last of May is the 1st of June there.
    const QByteArray oldTz = qgetenv("TZ");
    qputenv("TZ", "KLT-2");
    tzset();
    const auto utc = [](int y, int m, int d, int h, int min) {
        return QDateTime(QDate(y, m, d), QTime(h, min), Qt::UTC).toMSecsSinceEpoch();
    };
    EXPECT_EQ(CWinApi::LocalDayOf(utc(2023, 5, 31, 22, 30)), QDate(2023, 6, 1));
    EXPECT_EQ(CWinApi::LocalDayOf(utc(2023, 5, 31, 21, 59)), QDate(2023, 5, 31));
    EXPECT_EQ(CWinApi::LocalDayOf(utc(1969, 12, 31, 12, 0)), QDate(1969, 12, 31));
    // The offset of today applies whatever the season of the file's time.
    EXPECT_EQ(CWinApi::LocalDayOf(utc(2024, 1, 31, 22, 30), 7200), QDate(2024, 2, 1));
    oldTz.isNull() ? qunsetenv("TZ") : qputenv("TZ", oldTz);
    tzset();
}
