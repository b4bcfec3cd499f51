#include "ScopedEnv.h"
#include "TestInstallation.h"
#include "platform/HostPath.h"
#include "platform/ReadOnlyFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class HostPathTest : public ::testing::Test {
protected:
    TestInstallation inst;  // Z: -> / only, a temporary tree below /tmp

    QString Native(const QString& rel) const { return inst.NativePath(rel); }
    QString Windows(const QString& rel) const { return inst.WindowsPath(rel); }
};

TEST_F(HostPathTest, LowerCasedWindowsPathFindsMixedCaseFile)
{
    inst.WriteText(QStringLiteral("Immobilien/Häuser/Haus1.ini"), QStringLiteral("[Haus]\n"));
    const QString expected = Native(QStringLiteral("Immobilien/Häuser/Haus1.ini"));

    // The whole path lower-cased, the temporary directory's own name included.
    EXPECT_EQ(HostPath::ToNative(Windows(QStringLiteral("Immobilien\\Häuser\\Haus1.ini")).toLower()), expected);
    EXPECT_EQ(HostPath::ToNative(Windows(QStringLiteral("IMMOBILIEN\\HÄUSER\\HAUS1.INI"))), expected);
    // Forward slashes and doubled separators are accepted as Windows does.
    EXPECT_EQ(HostPath::ToNative(Windows(QStringLiteral("immobilien//häuser/haus1.ini"))), expected);
}

TEST_F(HostPathTest, NamesDifferingOnlyInCaseResolveTheSameWithAndWithoutCache)
{
    for (const char* name : {"haus.ini", "Haus.ini", "HAUS.ini"})
        inst.WriteText(QStringLiteral("Dir/") + QLatin1String(name), QString());
    const auto check = [this] {
        EXPECT_EQ(HostPath::ToNative(Windows(QStringLiteral("dir\\haus.ini"))), Native(QStringLiteral("Dir/haus.ini")));
        EXPECT_EQ(HostPath::ToNative(Windows(QStringLiteral("dir\\Haus.ini"))), Native(QStringLiteral("Dir/Haus.ini")));
        EXPECT_EQ(HostPath::ToNative(Windows(QStringLiteral("dir\\HAUS.ini"))), Native(QStringLiteral("Dir/HAUS.ini")));
        // Any other spelling finds the smallest name, whatever order the directory lists them in.
        EXPECT_EQ(HostPath::ToNative(Windows(QStringLiteral("dir\\hAUS.INI"))), Native(QStringLiteral("Dir/HAUS.ini")));
    };
    check();
    LookupCacheScope scope;
    check();
}

TEST_F(HostPathTest, MissingComponentsStayAsWritten)
{
    inst.MakeDir(QStringLiteral("Immobilien"));
    EXPECT_EQ(HostPath::ToNative(Windows(QStringLiteral("immobilien\\Fehlt\\Datei.INI"))),
              Native(QStringLiteral("Immobilien/Fehlt/Datei.INI")));
}

TEST_F(HostPathTest, DotAndDotDotAreResolvedLexically)
{
    inst.MakeDir(QStringLiteral("Immobilien/Häuser"));
    EXPECT_EQ(HostPath::ToNative(Windows(QStringLiteral("Modelle\\..\\immobilien\\.\\häuser\\"))),
              Native(QStringLiteral("Immobilien/Häuser")));
    // The file beside the resource directory, as the installation check builds it.
    inst.WriteBytes(QStringLiteral("../Resourcen.Pak"), "x");
    EXPECT_EQ(HostPath::ToNative(inst.ResBase() + QStringLiteral("\\..\\resourcen.pak")),
              QDir::cleanPath(inst.NativeRoot() + QStringLiteral("/../Resourcen.Pak")));
    // ".." cannot climb above a drive's root.
    EXPECT_EQ(HostPath::ToNative(QStringLiteral("Z:\\..\\..\\tmp")), QStringLiteral("/tmp"));
    EXPECT_EQ(HostPath::ToNative(QStringLiteral("Z:\\")), QStringLiteral("/"));
}

TEST_F(HostPathTest, PathsThatMapToNothing)
{
    EXPECT_TRUE(HostPath::ToNative(QStringLiteral("\\\\server\\share\\datei.ini")).isEmpty());
    EXPECT_TRUE(HostPath::ToNative(QStringLiteral("Q:\\EEP6\\Resourcen")).isEmpty());
    EXPECT_TRUE(HostPath::ToNative(QString()).isEmpty());
}

TEST_F(HostPathTest, RelativeAndRootedPaths)
{
    EXPECT_EQ(HostPath::ToNative(QStringLiteral("gibt\\es\\nicht.ini")), QStringLiteral("gibt/es/nicht.ini"));
    EXPECT_EQ(HostPath::ToNative(QStringLiteral("..\\a\\..\\..\\b")), QStringLiteral("../../b"));
    // Without a drive the path lies on the current directory's drive, here Z: = /.
    EXPECT_EQ(HostPath::ToNative(QStringLiteral("\\tmp")), QStringLiteral("/tmp"));
}

TEST_F(HostPathTest, NativePathComesBackInWindowsForm)
{
    const QString native = Native(QStringLiteral("Immobilien/Häuser"));
    const QString windows = HostPath::ToWindows(native);
    EXPECT_TRUE(windows.startsWith(QStringLiteral("Z:\\"))) << windows.toStdString();
    EXPECT_TRUE(windows.endsWith(QStringLiteral("\\EEP\\Resourcen\\Immobilien\\Häuser"))) << windows.toStdString();
    EXPECT_FALSE(windows.contains(QLatin1Char('/')));
    EXPECT_EQ(HostPath::ToWindows(native + QStringLiteral("/")), windows);
    EXPECT_EQ(HostPath::ToWindows(QStringLiteral("/")), QStringLiteral("Z:\\"));

    inst.MakeDir(QStringLiteral("Immobilien/Häuser"));
    EXPECT_EQ(HostPath::ToNative(windows), native);
}

TEST_F(HostPathTest, LongestMatchingRootWins)
{
    const QString root = inst.NativeRoot();
    HostPath::SetDriveTable({{QLatin1Char('Z'), QStringLiteral("/")},
                             {QLatin1Char('d'), root},
                             {QLatin1Char('E'), root + QStringLiteral("/Immobilien")}});
    EXPECT_EQ(HostPath::ToWindows(root + QStringLiteral("/Immobilien/Haus.ini")), QStringLiteral("E:\\Haus.ini"));
    EXPECT_EQ(HostPath::ToWindows(root + QStringLiteral("/Immobilien2")), QStringLiteral("D:\\Immobilien2"));
    EXPECT_EQ(HostPath::ToWindows(root), QStringLiteral("D:\\"));
    EXPECT_EQ(HostPath::ToNative(QStringLiteral("d:\\Modelle")), root + QStringLiteral("/Modelle"));
}

TEST_F(HostPathTest, WinePrefixDrivesMapBothWays)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString driveC = prefix.filePath(QStringLiteral("drive_c"));
    ASSERT_TRUE(QDir().mkpath(driveC + QStringLiteral("/EEP6/Resourcen")));
    ASSERT_TRUE(QDir().mkpath(prefix.filePath(QStringLiteral("dosdevices"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("../drive_c"), prefix.filePath(QStringLiteral("dosdevices/c:"))));
    // Wine's raw device entries ("d::") are not drives.
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), prefix.filePath(QStringLiteral("dosdevices/d::"))));

    const ScopedEnv env("WINEPREFIX", prefix.path().toLocal8Bit());
    HostPath::SetDriveTable({});  // rebuild from the environment

    const QVector<HostPath::DriveMapping> table = HostPath::DriveTable();
    ASSERT_EQ(table.size(), 2);
    EXPECT_EQ(table.at(0).drive, QLatin1Char('C'));
    EXPECT_EQ(table.at(0).nativeRoot, QDir::cleanPath(driveC));
    EXPECT_EQ(table.at(1).drive, QLatin1Char('Z'));
    EXPECT_EQ(table.at(1).nativeRoot, QStringLiteral("/"));

    EXPECT_EQ(HostPath::ToNative(QStringLiteral("c:\\eep6\\resourcen")), driveC + QStringLiteral("/EEP6/Resourcen"));
    EXPECT_EQ(HostPath::ToWindows(driveC + QStringLiteral("/EEP6/Resourcen")), QStringLiteral("C:\\EEP6\\Resourcen"));
    // Reached through the dosdevices link, the same directory is still C:.
    EXPECT_EQ(HostPath::ToWindows(prefix.filePath(QStringLiteral("dosdevices/c:/EEP6"))), QStringLiteral("C:\\EEP6"));
}

TEST_F(HostPathTest, PrefixThatDefinesZKeepsItsOwnZ)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    ASSERT_TRUE(QDir().mkpath(prefix.filePath(QStringLiteral("dosdevices"))));
    ASSERT_TRUE(QFile::link(prefix.path(), prefix.filePath(QStringLiteral("dosdevices/z:"))));
    const ScopedEnv env("WINEPREFIX", prefix.path().toLocal8Bit());
    HostPath::SetDriveTable({});

    const QVector<HostPath::DriveMapping> table = HostPath::DriveTable();
    ASSERT_EQ(table.size(), 1);
    EXPECT_EQ(table.at(0).nativeRoot, QDir::cleanPath(prefix.path()));
    // Outside every drive the path keeps its shape, with backslashes.
    EXPECT_EQ(HostPath::ToWindows(QStringLiteral("/usr/share")), QStringLiteral("\\usr\\share"));
}

// Opening a path finds the file that ToNative names, whether the path is
// written as on disk, in another case, or through "..", and in a scope where
// paths as written stopped being tried.
TEST_F(HostPathTest, OpenReadOnlyOpensWhatToNativeNames)
{
    inst.WriteText(QStringLiteral("Dir/Haus.ini"), QStringLiteral("gross"));
    inst.WriteText(QStringLiteral("Dir/haus.ini"), QStringLiteral("klein"));
    inst.WriteText(QStringLiteral("Dir/Baum.ini"), QStringLiteral("baum"));
    inst.MakeDir(QStringLiteral("Dir/Ordner.ini"));
    const auto read = [](const QString& windowsPath) {
        ReadOnlyFile file;
        if (!HostPath::OpenReadOnly(windowsPath, file))
            return QStringLiteral("(nicht geöffnet)");
        char data[16];
        return QString::fromLatin1(data, int(file.Read(data, sizeof data)));
    };
    const auto check = [&] {
        EXPECT_EQ(read(Windows(QStringLiteral("Dir\\Haus.ini"))), QStringLiteral("gross"));
        EXPECT_EQ(read(Windows(QStringLiteral("Dir\\haus.ini"))), QStringLiteral("klein"));
        EXPECT_EQ(read(Windows(QStringLiteral("dir\\HAUS.INI"))), QStringLiteral("gross"));
        EXPECT_EQ(read(Windows(QStringLiteral("DIR\\baum.ini"))), QStringLiteral("baum"));
        EXPECT_EQ(read(Windows(QStringLiteral("Dir\\..\\Dir\\Baum.ini"))), QStringLiteral("baum"));
        EXPECT_EQ(read(Windows(QStringLiteral("Dir\\Ordner.ini"))), QStringLiteral("(nicht geöffnet)"));
        EXPECT_EQ(read(Windows(QStringLiteral("Dir\\Fehlt.ini"))), QStringLiteral("(nicht geöffnet)"));
    };
    check();
    LookupCacheScope scope;
    for (int i = 0; i < 40; ++i)
        read(Windows(QStringLiteral("dir\\baum.ini")));   // never as written
    check();
    EXPECT_EQ(HostPath::ToNativeAsWritten(Windows(QStringLiteral("dir\\baum.ini"))), Native(QStringLiteral("dir/baum.ini")));
    EXPECT_TRUE(HostPath::ToNativeAsWritten(Windows(QStringLiteral("Dir\\..\\x"))).isEmpty());
}

TEST_F(HostPathTest, LookupCacheLivesForOneScope)
{
    inst.WriteText(QStringLiteral("Modelle/Erste.mod2"), QString());
    const QString lowerSecond = Windows(QStringLiteral("modelle\\zweite.mod2"));
    {
        LookupCacheScope scope;
        EXPECT_EQ(HostPath::ToNative(Windows(QStringLiteral("modelle\\erste.mod2"))),
                  Native(QStringLiteral("Modelle/Erste.mod2")));
        inst.WriteText(QStringLiteral("Modelle/Zweite.mod2"), QString());
        {
            LookupCacheScope nested;  // shares the outer cache
        }
        // The listing read above is reused: the new file is not seen yet.
        EXPECT_EQ(HostPath::ToNative(lowerSecond), Native(QStringLiteral("Modelle/zweite.mod2")));
    }
    EXPECT_EQ(HostPath::ToNative(lowerSecond), Native(QStringLiteral("Modelle/Zweite.mod2")));
    LookupCacheScope next;  // a new operation reads the directory afresh
    EXPECT_EQ(HostPath::ToNative(lowerSecond), Native(QStringLiteral("Modelle/Zweite.mod2")));
}

} // namespace
