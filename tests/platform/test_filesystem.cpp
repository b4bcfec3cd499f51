#include "TestInstallation.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class FileSystemTest : public ::testing::Test {
protected:
    TestInstallation inst;

    QString Win(const QString& rel) const { return inst.WindowsPath(rel); }

    QStringList Names(const QString& relDir, const QString& pattern = QStringLiteral("*.*")) const
    {
        std::vector<FileSystem::DirEntry> entries;
        EXPECT_TRUE(FileSystem::ListDirectory(Win(relDir), pattern, entries));
        QStringList names;
        for (const FileSystem::DirEntry& e : entries)
            names << e.name + (e.isDir ? QStringLiteral("/") : QString());
        return names;
    }
};

TEST_F(FileSystemTest, PlainFileExistsOnlyForOrdinaryVisibleFiles)
{
    inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[x]\n"));
    inst.WriteText(QStringLiteral("Categories/.versteckt.ini"), QString());
    ASSERT_TRUE(QFile::link(inst.NativePath(QStringLiteral("Categories/Models.ini")),
                            inst.NativePath(QStringLiteral("Categories/Verweis.ini"))));
    ASSERT_EQ(mkfifo(inst.NativePath(QStringLiteral("Categories/Rohr")).toLocal8Bit().constData(), 0600), 0);

    EXPECT_TRUE(FileSystem::PlainFileExists(Win(QStringLiteral("Categories\\Models.ini"))));
    EXPECT_TRUE(FileSystem::PlainFileExists(Win(QStringLiteral("categories\\models.INI"))));
    EXPECT_TRUE(FileSystem::PlainFileExists(Win(QStringLiteral("Categories\\Verweis.ini"))));
    EXPECT_TRUE(FileSystem::PlainFileExists(Win(QStringLiteral("Categories\\M*.ini"))));

    EXPECT_FALSE(FileSystem::PlainFileExists(Win(QStringLiteral("Categories"))));
    EXPECT_FALSE(FileSystem::PlainFileExists(Win(QStringLiteral("Categories\\.versteckt.ini"))));
    EXPECT_FALSE(FileSystem::PlainFileExists(Win(QStringLiteral("Categories\\.verst*"))));
    EXPECT_FALSE(FileSystem::PlainFileExists(Win(QStringLiteral("Categories\\Rohr"))));
    EXPECT_FALSE(FileSystem::PlainFileExists(Win(QStringLiteral("Categories\\Fehlt.ini"))));
    EXPECT_FALSE(FileSystem::PlainFileExists(Win(QStringLiteral("Categories\\Models.ini\\x"))));
    EXPECT_FALSE(FileSystem::PlainFileExists(QStringLiteral("\\\\server\\share\\Models.ini")));
    EXPECT_FALSE(FileSystem::PlainFileExists(QString()));
}

TEST_F(FileSystemTest, AnyEntryExistsForFilesDirectoriesAndWildcards)
{
    inst.WriteText(QStringLiteral("Modelle/Haus.MOD2"), QString());
    inst.MakeDir(QStringLiteral("Categories/Immobilien"));

    EXPECT_TRUE(FileSystem::AnyEntryExists(Win(QStringLiteral("Modelle"))));
    EXPECT_TRUE(FileSystem::AnyEntryExists(Win(QStringLiteral("modelle\\haus.mod2"))));  // a plain file counts
    EXPECT_TRUE(FileSystem::AnyEntryExists(Win(QStringLiteral("Modelle\\*.mod2"))));
    EXPECT_TRUE(FileSystem::AnyEntryExists(Win(QStringLiteral("Modelle\\H??s.*"))));
    EXPECT_TRUE(FileSystem::AnyEntryExists(Win(QStringLiteral("categories\\immo*"))));

    EXPECT_FALSE(FileSystem::AnyEntryExists(Win(QStringLiteral("Modelle\\*.gsb"))));
    EXPECT_FALSE(FileSystem::AnyEntryExists(Win(QStringLiteral("Modelle\\H?s.mod2"))));
    EXPECT_FALSE(FileSystem::AnyEntryExists(Win(QStringLiteral("Fehlt\\*.*"))));
    EXPECT_FALSE(FileSystem::AnyEntryExists(Win(QStringLiteral("Fehlt"))));
    EXPECT_FALSE(FileSystem::AnyEntryExists(QStringLiteral("   ")));
}

TEST_F(FileSystemTest, ListingIsInNtfsOrderWithDotEntriesFirst)
{
    for (const char* name : {"b.ini", "A.ini", "_x.ini", "a1.ini", "Ä.ini", "c.txt", "Straße.ini", "Strasse2.ini"})
        inst.WriteText(QStringLiteral("Dir/") + QString::fromUtf8(name), QString());
    inst.MakeDir(QStringLiteral("Dir/Unter"));
    ASSERT_TRUE(QFile::link(inst.NativePath(QStringLiteral("Dir/Unter")), inst.NativePath(QStringLiteral("Dir/Link"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("/gibt/es/nicht"), inst.NativePath(QStringLiteral("Dir/Tot"))));

    EXPECT_EQ(Names(QStringLiteral("dir")),
              QStringList({"./", "../", "A.ini", "a1.ini", "b.ini", "c.txt", "Link/", "Strasse2.ini", "Straße.ini", "Unter/",
                           "_x.ini", "Ä.ini"}));
    EXPECT_EQ(Names(QStringLiteral("Dir"), QStringLiteral("*.INI")),
              QStringList({"A.ini", "a1.ini", "b.ini", "Strasse2.ini", "Straße.ini", "_x.ini", "Ä.ini"}));
    EXPECT_EQ(Names(QStringLiteral("Dir"), QStringLiteral("a*")), QStringList({"A.ini", "a1.ini"}));

    std::vector<FileSystem::DirEntry> entries;
    EXPECT_FALSE(FileSystem::ListDirectory(Win(QStringLiteral("Fehlt")), QStringLiteral("*.*"), entries));
    EXPECT_FALSE(FileSystem::ListDirectory(Win(QStringLiteral("Dir\\b.ini")), QStringLiteral("*.*"), entries));
    EXPECT_TRUE(entries.empty());
}

// A filter that leaves entries out keeps the order, names and kinds of the
// others; the entries it asks times for keep them.
TEST_F(FileSystemTest, ListingThroughAnEntryFilter)
{
    inst.WriteBytes(QStringLiteral("Dir/Haus.GSB"), "x");
    inst.WriteText(QStringLiteral("Dir/Haus.ini"), QString());
    inst.WriteText(QStringLiteral("Dir/Zaun.gsb"), QString());
    inst.MakeDir(QStringLiteral("Dir/Unter.ini"));
    ASSERT_TRUE(QFile::link(inst.NativePath(QStringLiteral("Dir/Unter.ini")), inst.NativePath(QStringLiteral("Dir/Link"))));
    ASSERT_TRUE(QFile::link(inst.NativePath(QStringLiteral("Dir/Haus.ini")), inst.NativePath(QStringLiteral("Dir/Verweis.ini"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("/gibt/es/nicht"), inst.NativePath(QStringLiteral("Dir/Tot"))));
    ASSERT_EQ(mkfifo(inst.NativePath(QStringLiteral("Dir/Rohr")).toLocal8Bit().constData(), 0600), 0);

    using FileSystem::EntryNeed;
    // Directories by kind, gsb files with times, every other file left out.
    const FileSystem::EntryFilter filter = [](const QString& name, bool isDir) {
        if (isDir)
            return EntryNeed::Kind;
        return name.endsWith(QLatin1String(".gsb"), Qt::CaseInsensitive) ? EntryNeed::KindAndTimes : EntryNeed::Skip;
    };
    std::vector<FileSystem::DirEntry> all;
    std::vector<FileSystem::DirEntry> some;
    ASSERT_TRUE(FileSystem::ListDirectory(Win(QStringLiteral("Dir")), QStringLiteral("*.*"), all));
    ASSERT_TRUE(FileSystem::ListDirectory(Win(QStringLiteral("Dir")), QStringLiteral("*.*"), some, filter));

    QStringList expected;
    for (const FileSystem::DirEntry& e : all) {
        EXPECT_TRUE(e.hasTimes);
        if (e.isDir || e.name.endsWith(QLatin1String(".gsb"), Qt::CaseInsensitive))
            expected << e.name + (e.isDir ? QStringLiteral("/") : QString());
    }
    QStringList got;
    for (const FileSystem::DirEntry& e : some) {
        got << e.name + (e.isDir ? QStringLiteral("/") : QString());
        if (!e.isDir) {
            EXPECT_TRUE(e.hasTimes) << qPrintable(e.name);
        }
    }
    EXPECT_EQ(got, expected);
    EXPECT_EQ(got, QStringList({"./", "../", "Haus.GSB", "Link/", "Unter.ini/", "Zaun.gsb"}));
}

TEST_F(FileSystemTest, DriveRootHasNoDotEntries)
{
    HostPath::SetDriveTable({{QLatin1Char('Z'), QStringLiteral("/")}, {QLatin1Char('R'), inst.NativeRoot()}});
    inst.WriteText(QStringLiteral("Models.ini"), QString());
    std::vector<FileSystem::DirEntry> entries;
    ASSERT_TRUE(FileSystem::ListDirectory(QStringLiteral("R:\\"), QStringLiteral("*.*"), entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries.front().name, QStringLiteral("Models.ini"));
}

TEST_F(FileSystemTest, EntriesCarryTimesAndSizes)
{
    inst.WriteBytes(QStringLiteral("Dir/Haus.gsb"), QByteArray(1234, 'x'));
    const QDateTime written = QDateTime::fromString(QStringLiteral("2003-04-05T06:07:08Z"), Qt::ISODate);
    {
        QFile file(inst.NativePath(QStringLiteral("Dir/Haus.gsb")));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
    }
    std::vector<FileSystem::DirEntry> entries;
    ASSERT_TRUE(FileSystem::ListDirectory(Win(QStringLiteral("Dir")), QStringLiteral("*.gsb"), entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_FALSE(entries[0].isDir);
    EXPECT_EQ(entries[0].writeUtcMs, written.toMSecsSinceEpoch());
    // Created (or, without a birth time, changed) just now, not at the write time set above.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    EXPECT_GT(entries[0].birthUtcMs, now - 24LL * 3600 * 1000);
    EXPECT_LE(entries[0].birthUtcMs, now + 1000);

    EXPECT_EQ(FileSystem::FileSize(Win(QStringLiteral("dir\\haus.GSB"))), 1234);
    EXPECT_EQ(FileSystem::FileSize(Win(QStringLiteral("Dir"))), -1);
    EXPECT_EQ(FileSystem::FileSize(Win(QStringLiteral("Dir\\Fehlt.gsb"))), -1);
}

TEST(Wildcard, MatchesLikeAWindowsDirectorySearch)
{
    using FileSystem::MatchesWildcard;
    EXPECT_TRUE(MatchesWildcard(QStringLiteral("Ohne_Punkt"), QStringLiteral("*.*")));
    EXPECT_TRUE(MatchesWildcard(QStringLiteral("häuser.ini"), QStringLiteral("HÄU*.INI")));
    EXPECT_TRUE(MatchesWildcard(QStringLiteral("abc"), QStringLiteral("a?c")));
    EXPECT_FALSE(MatchesWildcard(QStringLiteral("ac"), QStringLiteral("a?c")));
    EXPECT_TRUE(MatchesWildcard(QStringLiteral("a.b.gsb"), QStringLiteral("*.gsb")));
    EXPECT_FALSE(MatchesWildcard(QStringLiteral("a.gsbx"), QStringLiteral("*.gsb")));
    EXPECT_TRUE(MatchesWildcard(QStringLiteral("xaaay"), QStringLiteral("*a*a*y")));
    // Many stars against a long near-miss: must finish (no exponential backtracking).
    EXPECT_FALSE(MatchesWildcard(QString(5000, QLatin1Char('a')), QStringLiteral("*a*a*a*a*a*a*a*a*b")));
}

} // namespace
