#include "hostdata/ModelDetail.h"

#include "TestInstallation.h"
#include "hostdata/CGsb.h"
#include "hostdata/CModels.h"
#include "platform/HostPath.h"
#include "startup/ModuleState.h"

#include <gtest/gtest.h>

TEST(CategoryPathText, IndentsEachLevelAndNamesBlanks)
{
    EXPECT_EQ(CategoryPathText({"Bahnhöfe", "Model"}), "Bahnhöfe\r\n-- Model");
    EXPECT_EQ(CategoryPathText({"Top", "", "Mitte", "Modell"}),
              "Top\r\n-- ? ? ?\r\n-- -- Mitte\r\n-- -- -- Modell");
    // Only from the second line on is a blank name replaced.
    EXPECT_EQ(CategoryPathText({"", "Modell"}), "\r\n-- Modell");
    EXPECT_EQ(CategoryPathText({}), "");
}

TEST(IniProblemsNoticeText, CountsAndLanguage)
{
    ResetModuleState();
    gMod.gtNameKey = gMod.gtSearchNameKey = "Name_GER";
    EXPECT_EQ(IniProblemsNoticeText(), "");

    gMod.glMissingIni = 1;
    EXPECT_EQ(IniProblemsNoticeText(), "1 ini-Datei wird vermisst\r\n");
    gMod.glMissingIni = 3;
    gMod.glNoNameIni = 1;
    EXPECT_EQ(IniProblemsNoticeText(),
              "3 ini-Dateien werden vermisst\r\n\r\n1 Namens-Eintrag (Name_GER) in ini-Dateien fehlt oder ist leer");
    gMod.glMissingIni = 0;
    gMod.glNoNameIni = 2;
    EXPECT_EQ(IniProblemsNoticeText(), "\r\n2 Namens-Einträge (Name_GER) in ini-Dateien fehlen oder sind leer");

    // The counts belong to the language of the search.
    gMod.gtNameKey = "Name_ENG";
    EXPECT_EQ(IniProblemsNoticeText(), "");
    ResetModuleState();
}

TEST(ModelDetail, FoundUnknownAndFileStates)
{
    TestInstallation inst;
    inst.Activate();
    inst.WriteText("Categories/Static_structures/index.ini", "[i]\na=a.ini\nb=CDIn\nc=b.ini\n");
    inst.WriteText("Categories/Static_structures/a.ini", "[Top]\nName_GER=Gebäude\n");
    inst.WriteText("Categories/Static_structures/b.ini", "[Leaf]\nName_GER=Wohnhäuser\nFilterSection=Haeuser\n");
    inst.WriteText("Immobilien/Haus.ini", "[x]\nName_GER=Stadthaus\n");
    const QByteArray mod2Ref("\x0B\x00\x00\x00Haus\\Dach.m", 15);
    inst.WriteBytes("Immobilien/Haus.gsb", mod2Ref);
    inst.WriteBytes("Modelle/Haus/Dach.m.mod2", "m");
    inst.WriteBytes("../Fremd/Lok.gsb", mod2Ref + QByteArray("\x0A\x00\x00\x00Lok\\Kessel", 14));
    const QString outside = HostPath::ToWindows(inst.NativePath("../Fremd/Lok.gsb"));

    CCategories cats;
    ASSERT_TRUE(cats.Init());
    CModels models;
    models.StoreFile("\\immobilien\\haus.gsb", "Haeuser");
    models.StoreFile("\\immobilien\\fehlt.gsb", "Haeuser");
    models.StoreFile(outside.toLower(), DroppedSection());
    CGsb gsb;

    const ModelDetail found = ModelDetail::Of(models, 0, cats, gsb);
    EXPECT_TRUE(found.known);
    EXPECT_EQ(found.file, "\\immobilien\\haus.gsb");
    EXPECT_EQ(found.resultSentence, "finden Sie in EEP im Editor");
    EXPECT_EQ(found.editor, 4);
    EXPECT_EQ(found.editorName, "Immobilien");
    EXPECT_EQ(found.placeText, "Gebäude\r\n-- Wohnhäuser\r\n-- -- Stadthaus");
    EXPECT_EQ(found.fileState, "");
    EXPECT_EQ(gsb.Count(), 1);

    const ModelDetail missing = ModelDetail::Of(models, 1, cats, gsb);
    EXPECT_TRUE(missing.known);
    EXPECT_EQ(missing.placeText, "Gebäude\r\n-- Wohnhäuser\r\n-- -- ? ? ( --> \\fehlt.ini)");
    EXPECT_EQ(missing.fileState, "gsb-Datei existiert nicht");
    EXPECT_EQ(gsb.Count(), 0);

    // A full path is read as it is, not below the installation.
    const ModelDetail unknown = ModelDetail::Of(models, 2, cats, gsb);
    EXPECT_FALSE(unknown.known);
    EXPECT_EQ(unknown.resultSentence, "ist im EEP nicht bekannt");
    EXPECT_EQ(unknown.editorName, "");
    EXPECT_EQ(unknown.placeText, "");
    EXPECT_EQ(unknown.fileState, "mod2-Dateien unvollständig");
    EXPECT_EQ(gsb.Count(), 2);
    EXPECT_EQ(gsb.CountMissing(), 1);
}
