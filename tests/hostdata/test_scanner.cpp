#include "hostdata/ModelScanner.h"

#include "TestInstallation.h"
#include "hostdata/CModels.h"
#include "platform/HostPath.h"
#include "startup/ModuleState.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QStringList Files(const CModels& models)
{
    QStringList files;
    for (qint32 i = 0; i < models.Count(); ++i) {
        EXPECT_EQ(models.Section(i), DroppedSection());
        files << models.Filename(i);
    }
    return files;
}

class ScannerTest : public ::testing::Test {
protected:
    void SetUp() override { inst.Activate(); }
    TestInstallation inst;
    CModels models;
};

} // namespace

TEST_F(ScannerTest, OwnFilesBeforeSubdirectoriesInNtfsOrder)
{
    for (const char* file : {"Zug.gsb", "a.GSB", "b.gsb", "notes.txt", "b.ini", "Sub/c.gsb", "alpha/d.gsb",
                             "alpha/deeper/e.gsb", "alpha/x.gsb.bak"})
        inst.WriteBytes(QStringLiteral("Rollmaterial/") + file, "x");

    ModelScanner(models).ScanDirectory(inst.WindowsPath("Rollmaterial"));
    EXPECT_EQ(Files(models), (QStringList{"\\rollmaterial\\a.gsb", "\\rollmaterial\\b.gsb",
                                          "\\rollmaterial\\zug.gsb", "\\rollmaterial\\alpha\\d.gsb",
                                          "\\rollmaterial\\alpha\\deeper\\e.gsb", "\\rollmaterial\\sub\\c.gsb"}));

    // A directory that cannot be listed adds nothing.
    ModelScanner(models).ScanDirectory(inst.WindowsPath("Fehlt"));
    EXPECT_EQ(models.Count(), 6);
}

TEST_F(ScannerTest, FileListTakesExactLowerCaseGsbNamesThenDirectories)
{
    inst.WriteBytes("Drop/Inner.GSB", "x");
    inst.WriteBytes("Single/Upper.GSB", "x");
    inst.WriteBytes("Single/lower.gsb", "x");
    const QString outside = HostPath::ToWindows(inst.NativePath("../Anderswo/Fremd.gsb"));
    inst.WriteBytes("../Anderswo/Fremd.gsb", "x");

    ModelScanner(models).ScanFileList({inst.WindowsPath("Drop"), inst.WindowsPath("Single\\Upper.GSB"),
                                       inst.WindowsPath("Single\\lower.gsb"), inst.WindowsPath("readme.txt"),
                                       outside});
    EXPECT_EQ(Files(models), (QStringList{"\\single\\lower.gsb", outside.toLower(), "\\drop\\inner.gsb"}));
}

TEST_F(ScannerTest, DateRangeDecidesOnlyWhenSet)
{
    inst.WriteBytes("Immobilien/Haus.gsb", "x");
    const QDate today = QDate::currentDate();
    const QString dir = inst.WindowsPath("Immobilien");

    ModelScanner old(models);
    old.SetDateRange(today.addDays(-10), today.addDays(-2));
    old.ScanDirectory(dir);
    EXPECT_EQ(models.Count(), 0);

    ModelScanner recent(models);
    recent.SetDateRange(today.addDays(-1), today.addDays(1));
    recent.ScanDirectory(dir);
    EXPECT_EQ(models.Count(), 1);

    ModelScanner(models).ScanDirectory(dir);
    EXPECT_EQ(models.Count(), 2);
}

TEST_F(ScannerTest, LinksBackUpTheTreeAreNotFollowed)
{
    inst.WriteBytes("Rollmaterial/a.gsb", "x");
    inst.WriteBytes("Rollmaterial/real/r.gsb", "x");
    ASSERT_TRUE(QFile::link(inst.NativePath("Rollmaterial"), inst.NativePath("Rollmaterial/loop")));
    ASSERT_TRUE(QFile::link(inst.NativePath("Rollmaterial"), inst.NativePath("Rollmaterial/real/back")));
    // A link to a directory that is not an ancestor is an ordinary directory.
    ASSERT_TRUE(QFile::link(inst.NativePath("Rollmaterial/real"), inst.NativePath("Rollmaterial/zlink")));

    ModelScanner(models).ScanDirectory(inst.WindowsPath("Rollmaterial"));
    EXPECT_EQ(Files(models), (QStringList{"\\rollmaterial\\a.gsb", "\\rollmaterial\\real\\r.gsb",
                                          "\\rollmaterial\\zlink\\r.gsb"}));
}

TEST_F(ScannerTest, NameRules)
{
    EXPECT_EQ(ModelScanner::IsGsbName("C:\\x\\Haus.gsb"), "C:\\x\\Haus.gsb");
    EXPECT_EQ(ModelScanner::IsGsbName("C:\\x\\Haus.GSB"), "");
    EXPECT_EQ(ModelScanner::IsGsbName("C:\\x\\Haus.gsb2"), "");

    gMod.gtResBase = "C:\\EEP6\\Resourcen";
    EXPECT_EQ(ModelScanner::RelativeModelPath("c:\\eep6\\RESOURCEN\\Immobilien\\Haus.GSB"), "\\immobilien\\haus.gsb");
    EXPECT_EQ(ModelScanner::RelativeModelPath("D:\\Downloads\\Lok.gsb"), "d:\\downloads\\lok.gsb");
}
