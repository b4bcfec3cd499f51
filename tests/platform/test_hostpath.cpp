#include "ScopedEnv.h"
#include "TestHost.h"
#include "TestInstallation.h"
#include "platform/HostPath.h"
#include "platform/LookupCache.h"
#include "platform/ReadOnlyFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class HostPathTest : public ::testing::Test {
protected:
    void SetUp() override { KLUNI_SKIP_ON_WINDOWS("Windows paths are the native ones there, with nothing to map"); }
    TestInstallation inst;   // Z: -> / only, a temporary tree below /tmp

    QString Native(const QString& rel) const { return inst.NativePath(rel); }
    QString Win(const QString& rel) const { return inst.WindowsPath(rel); }
};

TEST_F(HostPathTest, ToNativeFindsTheSpellingOnDisk)
{
    inst.WriteText("Immobilien/Häuser/Haus1.ini", "");
    for (const char* name : {"haus.ini", "Haus.ini", "HAUS.ini"})
        inst.WriteText(QString("Dir/") + name, "");
    inst.WriteBytes("../Resourcen.Pak", "x");
    const struct { QString windows, native; } rows[] = {
        // The whole path lower-cased, the temporary directory's own name included.
        {Win("Immobilien\\Häuser\\Haus1.ini").toLower(), Native("Immobilien/Häuser/Haus1.ini")},
        {Win("IMMOBILIEN\\HÄUSER\\HAUS1.INI"), Native("Immobilien/Häuser/Haus1.ini")},
        {Win("immobilien//häuser/haus1.ini"), Native("Immobilien/Häuser/Haus1.ini")},
        {Win("Modelle\\..\\immobilien\\.\\häuser\\"), Native("Immobilien/Häuser")},
        {inst.ResBase() + "\\..\\resourcen.pak", QDir::cleanPath(inst.NativeRoot() + "/../Resourcen.Pak")},
        // Names differing only in case: the exact one, else the smallest.
        {Win("dir\\haus.ini"), Native("Dir/haus.ini")},
        {Win("dir\\Haus.ini"), Native("Dir/Haus.ini")},
        {Win("dir\\HAUS.ini"), Native("Dir/HAUS.ini")},
        {Win("dir\\hAUS.INI"), Native("Dir/HAUS.ini")},
        // Missing components stay as written.
        {Win("immobilien\\Fehlt\\Datei.INI"), Native("Immobilien/Fehlt/Datei.INI")},
        // ".." cannot climb above a drive's root; without a drive the current drive (Z:) counts.
        {"Z:\\..\\..\\tmp", "/tmp"},
        {"Z:\\", "/"},
        {"\\tmp", "/tmp"},
        {"gibt\\es\\nicht.ini", "gibt/es/nicht.ini"},
        {"..\\a\\..\\..\\b", "../../b"},
        {"\\\\server\\share\\datei.ini", ""},
        {"Q:\\EEP6\\Resourcen", ""},
        {"", ""},
    };
    LookupCache cache;
    for (LookupCache* use : {static_cast<LookupCache*>(nullptr), &cache}) {   // without and with the lookup cache
        for (const auto& row : rows)
            EXPECT_EQ(HostPath::ToNative(row.windows, use), row.native) << qPrintable(row.windows) << " cache " << !!use;
    }
}

TEST_F(HostPathTest, ToWindowsTakesTheLongestMatchingRoot)
{
    const QString root = inst.NativeRoot();
    const QString onZ = HostPath::ToWindows(root + "/Immobilien/Häuser/");
    EXPECT_EQ(onZ, "Z:" + QString(root).replace('/', '\\') + "\\Immobilien\\Häuser");
    EXPECT_EQ(HostPath::ToWindows("/"), "Z:\\");
    inst.MakeDir("Immobilien/Häuser");
    EXPECT_EQ(HostPath::ToNative(onZ), root + "/Immobilien/Häuser");

    HostPath::SetDriveTable({{'Z', "/"}, {'d', root}, {'E', root + "/Immobilien"}});
    EXPECT_EQ(HostPath::ToWindows(root + "/Immobilien/Haus.ini"), "E:\\Haus.ini");
    EXPECT_EQ(HostPath::ToWindows(root + "/Immobilien2"), "D:\\Immobilien2");
    EXPECT_EQ(HostPath::ToWindows(root), "D:\\");
    EXPECT_EQ(HostPath::ToNative("d:\\Modelle"), root + "/Modelle");
}

TEST_F(HostPathTest, WinePrefixDrivesMapBothWays)
{
    QTemporaryDir prefix;
    const QString driveC = prefix.filePath("drive_c");
    ASSERT_TRUE(QDir().mkpath(driveC + "/EEP6/Resourcen"));
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("dosdevices")));
    ASSERT_TRUE(TestHost::MakeLink("../drive_c", prefix.filePath("dosdevices/c:")));
    // Wine's raw device entries ("d::") are not drives.
    ASSERT_TRUE(TestHost::MakeLink("/dev/null", prefix.filePath("dosdevices/d::")));
    const ScopedEnv env("WINEPREFIX", prefix.path().toLocal8Bit());
    HostPath::SetDriveTable({});   // rebuild from the environment

    QStringList table;
    for (const HostPath::DriveMapping& m : HostPath::DriveTable())
        table << m.drive + QString("=") + m.nativeRoot;
    EXPECT_EQ(table, QStringList({"C=" + QDir::cleanPath(driveC), "Z=/"}));
    EXPECT_EQ(HostPath::ToNative("c:\\eep6\\resourcen"), driveC + "/EEP6/Resourcen");
    EXPECT_EQ(HostPath::ToWindows(driveC + "/EEP6/Resourcen"), "C:\\EEP6\\Resourcen");
    // Reached through the dosdevices link, the same directory is still C:.
    EXPECT_EQ(HostPath::ToWindows(prefix.filePath("dosdevices/c:/EEP6")), "C:\\EEP6");

    // A prefix that defines Z: itself keeps its own; outside every drive a path keeps its shape.
    QFile::remove(prefix.filePath("dosdevices/c:"));
    ASSERT_TRUE(TestHost::MakeLink(prefix.path(), prefix.filePath("dosdevices/z:")));
    HostPath::SetDriveTable({});
    ASSERT_EQ(HostPath::DriveTable().size(), 1);
    EXPECT_EQ(HostPath::DriveTable().at(0).nativeRoot, QDir::cleanPath(prefix.path()));
    EXPECT_EQ(HostPath::ToWindows("/usr/share"), "\\usr\\share");
}

// Opening a path finds the file that ToNative names, also in a scope where
// paths as written stopped being tried.
TEST_F(HostPathTest, OpenReadOnlyOpensWhatToNativeNames)
{
    inst.WriteText("Dir/Haus.ini", "gross");
    inst.WriteText("Dir/haus.ini", "klein");
    inst.WriteText("Dir/Baum.ini", "baum");
    inst.MakeDir("Dir/Ordner.ini");
    LookupCache* use = nullptr;
    const auto read = [&use](const QString& windowsPath) {
        ReadOnlyFile file;
        if (!HostPath::OpenReadOnly(windowsPath, file, use))
            return QString("-");
        char data[16];
        return QString::fromLatin1(data, int(file.Read(data, sizeof data)));
    };
    const struct { const char *path, *content; } rows[] = {{"Dir\\Haus.ini", "gross"}, {"Dir\\haus.ini", "klein"},         {"dir\\HAUS.INI", "gross"},
                {"DIR\\baum.ini", "baum"},  {"Dir\\..\\Dir\\Baum.ini", "baum"}, {"Dir\\Ordner.ini", "-"},
                {"Dir\\Fehlt.ini", "-"}};
    LookupCache cache;
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            use = &cache;
            for (int i = 0; i < 40; ++i)
                read(Win("dir\\baum.ini"));   // never as written
        }
        for (const auto& row : rows)
            EXPECT_EQ(read(Win(row.path)), row.content) << row.path << " pass " << pass;
    }
    EXPECT_EQ(HostPath::ToNativeAsWritten(Win("dir\\baum.ini")), Native("dir/baum.ini"));
    EXPECT_TRUE(HostPath::ToNativeAsWritten(Win("Dir\\..\\x")).isEmpty());
}

TEST_F(HostPathTest, LookupCacheKeepsItsListingsUntilCleared)
{
    inst.WriteText("Modelle/Erste.mod2", "");
    const QString lowerSecond = Win("modelle\\zweite.mod2");
    LookupCache cache;
    EXPECT_EQ(HostPath::ToNative(Win("modelle\\erste.mod2"), &cache), Native("Modelle/Erste.mod2"));
    inst.WriteText("Modelle/Zweite.mod2", "");
    // The listing read above is reused: the new file is not seen yet.
    EXPECT_EQ(HostPath::ToNative(lowerSecond, &cache), Native("Modelle/zweite.mod2"));
    EXPECT_EQ(HostPath::ToNative(lowerSecond), Native("Modelle/Zweite.mod2"));
    cache.Clear();
    EXPECT_EQ(HostPath::ToNative(lowerSecond, &cache), Native("Modelle/Zweite.mod2"));
}

} // namespace
