#include "TestInstallation.h"
#include "startup/modTools.h"

#include <gtest/gtest.h>
#include <limits>

TEST(PathRoutines, JoinLastPartAndAbsoluteness)
{
    const struct {
        QString a, b, joined;
    } joins[] = {
        {"C:\\EEP6\\Resourcen", "Categories", "C:\\EEP6\\Resourcen\\Categories"},
        {"C:\\EEP6\\Resourcen\\", "\\Categories", "C:\\EEP6\\Resourcen\\Categories"},
        {"C:\\", "Categories", "C:\\Categories"},
        {"", "x.ini", "\\x.ini"},
        {"C:\\a\\\\", "\\\\b", "C:\\a\\\\\\b"},   // only one separator goes from each side
    };
    for (const auto& row : joins)
        EXPECT_EQ(JoinPath(row.a, row.b), row.joined) << qPrintable(row.a + " + " + row.b);

    EXPECT_EQ(LastPathPart("C:\\EEP6\\Immobilien\\Haus.gsb"), "\\Haus.gsb");
    EXPECT_EQ(LastPathPart("Ordner\\"), "\\");
    EXPECT_EQ(LastPathPart("Haus.gsb"), "Haus.gsb");

    for (const char* path : {"\\\\Server\\Freigabe", "C:", "7:irgendwas"})
        EXPECT_TRUE(IsAbsolutePath(path)) << path;
    for (const char* path : {"Rollmaterial\\Zug.gsb", "\\Rollmaterial\\Zug.gsb", "\\", ""})
        EXPECT_FALSE(IsAbsolutePath(path)) << path;
}

TEST(Settings, LoadSettingLongTakesTheLeadingNumberRoundedHalfToEven)
{
    TestInstallation inst;
    EXPECT_EQ(LoadSettingLong("MainWindow", "x", -7), -7);
    EXPECT_EQ(LoadSetting("MainWindow", "x", "def"), "def");
    const struct {
        const char* stored;
        qint32 value;
    } rows[] = {
        {"2.5", 2},     {"3.5", 4},    {"-2.5", -2},  {"2.51", 3},  {"12abc", 12},
        {"abc", 0},     {"", 0},       {"  -1 500", -1500},   // blanks inside a number are skipped
        {".5", 0},      {"1.5e1x", 15}, {"7e", 7},     {"1.2.3", 1}, {"-", 0},
        {"99999999999", std::numeric_limits<qint32>::max()}, {"-1e400", std::numeric_limits<qint32>::min()},
        {"##NoEntry##", -7},
    };
    for (const auto& row : rows) {
        StoreSetting("MainWindow", "x", row.stored);
        EXPECT_EQ(LoadSettingLong("MainWindow", "x", -7), row.value) << '"' << row.stored << '"';
        EXPECT_EQ(LoadSetting("MainWindow", "x", "def"), row.stored);
    }
}
