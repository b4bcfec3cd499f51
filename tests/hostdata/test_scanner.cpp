// Walking directories: the scanner's order and filters, the searches built on
// it, and the handle-based directory search beneath.

#include "hostdata/ModelScanner.h"

#include "TestInstallation.h"
#include "hostdata/CModels.h"
#include "hostdata/CWinApi.h"
#include "hostdata/Searches.h"
#include "platform/HostPath.h"
#include "startup/ModuleState.h"

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

    TestInstallation inst;
    CModels models;
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
    ModelScanner(models).ScanFileList({inst.WindowsPath("Rollmaterial\\Sub"), inst.WindowsPath("Extra\\Upper.GSB"),
                                       inst.WindowsPath("Immobilien\\Haus.gsb"), inst.WindowsPath("readme.txt"), outside});
    EXPECT_EQ(Records(), Dropped({"\\immobilien\\haus.gsb", outside.toLower(), "\\rollmaterial\\sub\\c.gsb"}));

    EXPECT_EQ(ModelScanner::IsGsbName("C:\\x\\Haus.gsb") + '|' + ModelScanner::IsGsbName("C:\\x\\Haus.GSB") + '|'
                  + ModelScanner::IsGsbName("C:\\x\\Haus.gsb2"),
              "C:\\x\\Haus.gsb||");
    gMod.gtResBase = "C:\\EEP6\\Resourcen";
    EXPECT_EQ(ModelScanner::RelativeModelPath("c:\\eep6\\RESOURCEN\\Immobilien\\Haus.GSB"), "\\immobilien\\haus.gsb");
    EXPECT_EQ(ModelScanner::RelativeModelPath("D:\\Downloads\\Lok.gsb"), "d:\\downloads\\lok.gsb");
}

// Own files before subdirectories, each in NTFS order; roots that do not exist add nothing.
TEST_F(ScannerTest, DateSearchWalksTheSixRootsWithinTheRange)
{
    models.StoreFile("\\alt\\alt.gsb", "Alt");
    gMod.glMissingIni = 5;
    Searches::ByDate(models, today.addDays(-10), today.addDays(-2));
    EXPECT_EQ(models.Count(), 0);
    Searches::ByDate(models, today.addDays(-1), today);   // the last day counts
    const QStringList found = Dropped({"\\rollmaterial\\a.gsb", "\\rollmaterial\\b.gsb", "\\rollmaterial\\zug.gsb",
                                       "\\rollmaterial\\alpha\\d.gsb", "\\rollmaterial\\alpha\\deeper\\e.gsb",
                                       "\\rollmaterial\\sub\\c.gsb", "\\signale\\signale\\sig.gsb"}) + haus;
    EXPECT_EQ(Records(), found);
    EXPECT_EQ(gMod.glMissingIni, 0);

    // Extending over the same range adds nothing that is already listed.
    gMod.gbExtend = true;
    Searches::ByDate(models, today.addDays(-1), today.addDays(1));
    EXPECT_EQ(gMod.glPrevCount, found.size());
    EXPECT_EQ(Records(), found);
}

TEST_F(ScannerTest, DroppedFilesAndStartParameters)
{
    const QStringList drop{inst.WindowsPath("Immobilien\\Haus.gsb")};
    Searches::Dropped(models, drop);
    EXPECT_EQ(Records(), haus);
    // The same file again, extending, with a directory: only the new models stay.
    gMod.gbExtend = true;
    Searches::Dropped(models, drop + QStringList{inst.WindowsPath("Signale")});
    EXPECT_EQ(Records(), haus + Dropped({"\\signale\\signale\\sig.gsb"}));
    // Nothing usable dropped without extending: the list is emptied.
    gMod.gbExtend = false;
    Searches::Dropped(models, {inst.WindowsPath("Rollmaterial\\notes.txt")});
    EXPECT_EQ(models.Count(), 0);

    Searches::StartParams(models, {inst.WindowsPath("Extra"), inst.WindowsPath("Immobilien\\Haus.gsb")});
    EXPECT_EQ(Records(), haus + Dropped({"\\extra\\aussen.gsb", "\\extra\\upper.gsb"}));   // a walk takes any case of ".gsb"
}

TEST_F(ScannerTest, NameSearchStartsAFreshListOrExtendsIt)
{
    gMod.gtNameKey = "Name_ENG";
    ASSERT_TRUE(Searches::ByName(models, 0, "HAUS", NameSource::Both));
    EXPECT_EQ(gMod.gtSearchNameKey, "Name_ENG");
    EXPECT_EQ(Records(), haus);
    EXPECT_EQ(gMod.glMissingIni, 1);   // Fehlt.ini
    EXPECT_EQ(gMod.glNoNameIni, 2);    // no English name, counted per entry
    gMod.gbExtend = true;
    ASSERT_TRUE(Searches::ByName(models, 1, "haus", NameSource::Gsb));
    EXPECT_EQ(models.Count(), 2);
    EXPECT_EQ(gMod.glNoNameIni, 0);

    // Entries before the first section header belong to no section; a
    // replacing search must not carry over the section its predecessor read last.
    gMod.gbExtend = false;
    inst.WriteText("Categories/Models.ini", "File1=\\Immobilien\\Haus.gsb\n[Haeuser]\nFile2=\\Rollmaterial\\b.gsb\n");
    ASSERT_TRUE(Searches::ByName(models, 0, "", NameSource::Gsb));
    ASSERT_TRUE(Searches::ByName(models, 0, "", NameSource::Gsb));
    EXPECT_EQ(Records(), QStringList({"\\immobilien\\haus.gsb|", "\\rollmaterial\\b.gsb|Haeuser"}));

    gMod.gtModelsIni = inst.WindowsPath("Categories\\Fehlt.ini");
    EXPECT_FALSE(Searches::ByName(models, 0, "haus", NameSource::Gsb));
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
