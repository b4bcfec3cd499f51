#include "TestInstallation.h"
#include "startup/modTools.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(PathRoutines, JoinPathPutsExactlyOneSeparator)
{
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\EEP6\\Resourcen"), QStringLiteral("Categories")),
              QStringLiteral("C:\\EEP6\\Resourcen\\Categories"));
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\EEP6\\Resourcen\\"), QStringLiteral("\\Categories")),
              QStringLiteral("C:\\EEP6\\Resourcen\\Categories"));
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\"), QStringLiteral("Categories")), QStringLiteral("C:\\Categories"));
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\a"), QStringLiteral("\\b\\c.gsb")), QStringLiteral("C:\\a\\b\\c.gsb"));
    EXPECT_EQ(JoinPath(QString(), QStringLiteral("x.ini")), QStringLiteral("\\x.ini"));
    // Only one separator is removed from each side.
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\a\\\\"), QStringLiteral("\\\\b")), QStringLiteral("C:\\a\\\\\\b"));
}

TEST(PathRoutines, LastPartAndAbsoluteness)
{
    EXPECT_EQ(LastPathPart(QStringLiteral("C:\\EEP6\\Resourcen\\Immobilien\\Haus.gsb")), QStringLiteral("\\Haus.gsb"));
    EXPECT_EQ(LastPathPart(QStringLiteral("\\Haus.gsb")), QStringLiteral("\\Haus.gsb"));
    EXPECT_EQ(LastPathPart(QStringLiteral("Ordner\\")), QStringLiteral("\\"));

    EXPECT_TRUE(IsAbsolutePath(QStringLiteral("\\\\Server\\Freigabe")));
    EXPECT_TRUE(IsAbsolutePath(QStringLiteral("C:")));
    EXPECT_TRUE(IsAbsolutePath(QStringLiteral("7:irgendwas")));
    EXPECT_FALSE(IsAbsolutePath(QStringLiteral("Rollmaterial\\Zug.gsb")));
    EXPECT_FALSE(IsAbsolutePath(QStringLiteral("\\Rollmaterial\\Zug.gsb")));
    EXPECT_FALSE(IsAbsolutePath(QStringLiteral("\\")));
    EXPECT_FALSE(IsAbsolutePath(QString()));
}

TEST(PathRoutines, ExistenceTestsOnAnInstallation)
{
    TestInstallation inst;
    inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[A]\n"));
    inst.WriteText(QStringLiteral("Categories/.Models.ini"), QStringLiteral("[A]\n"));
    const QString categories = inst.WindowsPath(QStringLiteral("Categories"));

    EXPECT_TRUE(DirExists(categories));
    EXPECT_TRUE(DirExists(JoinPath(categories, QStringLiteral("Models.ini"))));
    EXPECT_TRUE(DirExists(JoinPath(categories, QStringLiteral("*.ini"))));
    EXPECT_FALSE(DirExists(inst.WindowsPath(QStringLiteral("Modelle"))));

    EXPECT_TRUE(FileExists(JoinPath(categories, QStringLiteral("Models.ini"))));
    EXPECT_TRUE(FileExists(JoinPath(categories, QStringLiteral("models.ini")).toLower()));
    EXPECT_FALSE(FileExists(categories));
    EXPECT_FALSE(FileExists(JoinPath(categories, QStringLiteral(".Models.ini"))));
}

TEST(Settings, LoadSettingLongTakesTheLeadingNumberRoundedHalfToEven)
{
    TestInstallation inst;
    const QString section = QStringLiteral("MainWindow");
    const auto stored = [&](const QString& text) {
        StoreSetting(section, QStringLiteral("x"), text);
        return LoadSettingLong(section, QStringLiteral("x"), -7);
    };

    EXPECT_EQ(LoadSettingLong(section, QStringLiteral("x"), -7), -7);
    EXPECT_EQ(LoadSetting(section, QStringLiteral("x"), QStringLiteral("def")), QStringLiteral("def"));

    EXPECT_EQ(stored(QStringLiteral("2.5")), 2);
    EXPECT_EQ(stored(QStringLiteral("3.5")), 4);
    EXPECT_EQ(stored(QStringLiteral("-2.5")), -2);
    EXPECT_EQ(stored(QStringLiteral("2.51")), 3);
    EXPECT_EQ(stored(QStringLiteral("12abc")), 12);
    EXPECT_EQ(stored(QStringLiteral("abc")), 0);
    EXPECT_EQ(stored(QString()), 0);
    EXPECT_EQ(stored(QStringLiteral("  -1 500")), -1500);  // blanks inside a number are skipped
    EXPECT_EQ(stored(QStringLiteral(".5")), 0);
    EXPECT_EQ(stored(QStringLiteral("1.5e1x")), 15);
    EXPECT_EQ(stored(QStringLiteral("7e")), 7);
    EXPECT_EQ(stored(QStringLiteral("1.2.3")), 1);
    EXPECT_EQ(stored(QStringLiteral("-")), 0);
    EXPECT_EQ(stored(QStringLiteral("99999999999")), std::numeric_limits<qint32>::max());
    EXPECT_EQ(stored(QStringLiteral("-1e400")), std::numeric_limits<qint32>::min());
    EXPECT_EQ(stored(QStringLiteral("##NoEntry##")), -7);

    EXPECT_EQ(LoadSetting(section, QStringLiteral("x"), QStringLiteral("def")), QStringLiteral("##NoEntry##"));
}

} // namespace
