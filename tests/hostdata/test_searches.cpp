#include "hostdata/Searches.h"

#include "TestInstallation.h"
#include "hostdata/CModels.h"
#include "startup/ModuleState.h"

#include <gtest/gtest.h>

namespace {

class SearchesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        inst.Activate();
        for (const char* file : {"Rollmaterial/Lok.gsb", "Immobilien/Haus.gsb", "Signale/Signale/Sig.gsb",
                                 "Extra/Aussen.gsb", "Direkt.gsb"})
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

} // namespace

TEST_F(SearchesTest, DateSearchWalksTheSixRootsOnly)
{
    models.StoreFile("\\alt\\alt.gsb", "Alt");
    gMod.glMissingIni = 5;
    Searches::ByDate(models, today.addDays(-1), today.addDays(1));
    EXPECT_EQ(Records(), QStringList({"\\rollmaterial\\lok.gsb|\tDropped", "\\signale\\signale\\sig.gsb|\tDropped"}) + haus);
    EXPECT_EQ(gMod.glMissingIni, 0);

    // Extending over the same range adds nothing that is already listed.
    gMod.gbExtend = true;
    Searches::ByDate(models, today.addDays(-1), today.addDays(1));
    EXPECT_EQ(gMod.glPrevCount, 4);
    EXPECT_EQ(models.Count(), 4);
}

TEST_F(SearchesTest, DroppedAndStartParameters)
{
    const QStringList drop{inst.WindowsPath("Immobilien\\Haus.gsb")};
    Searches::Dropped(models, drop);
    EXPECT_EQ(Records(), haus);

    // The same file again, extending, with a directory: only the new model stays.
    gMod.gbExtend = true;
    Searches::Dropped(models, drop + QStringList{inst.WindowsPath("Rollmaterial")});
    EXPECT_EQ(Records(), haus + QStringList{"\\rollmaterial\\lok.gsb|\tDropped"});

    // Nothing usable dropped without extending: the catalogue is emptied.
    gMod.gbExtend = false;
    Searches::Dropped(models, {inst.WindowsPath("Extra\\liesmich.txt")});
    EXPECT_EQ(models.Count(), 0);

    Searches::StartParams(models, {inst.WindowsPath("Extra"), inst.WindowsPath("Immobilien\\Haus.gsb")});
    EXPECT_EQ(Records(), haus + QStringList{"\\extra\\aussen.gsb|\tDropped"});
}

TEST_F(SearchesTest, NameSearchResetsProblemsAndRemovesRepeats)
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

    gMod.gtModelsIni = inst.WindowsPath("Categories\\Fehlt.ini");
    EXPECT_FALSE(Searches::ByName(models, 0, "haus", NameSource::Gsb));
}

TEST_F(SearchesTest, NameSearchWithoutExtendStartsAFreshCatalogue)
{
    // Entries before the first section header belong to no section; a
    // replacing search must not carry over the section its predecessor read last.
    inst.WriteText("Categories/Models.ini", "File1=\\Immobilien\\Haus.gsb\n[Haeuser]\nFile2=\\Rollmaterial\\Lok.gsb\n");
    const QStringList expected{"\\immobilien\\haus.gsb|", "\\rollmaterial\\lok.gsb|Haeuser"};
    ASSERT_TRUE(Searches::ByName(models, 0, "", NameSource::Gsb));
    ASSERT_TRUE(Searches::ByName(models, 0, "", NameSource::Gsb));
    EXPECT_EQ(Records(), expected);
}
