#include "TestInstallation.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/ReadOnlyFile.h"
#include "TestHost.h"

#include <QDateTime>
#include <QFile>
#include <algorithm>
#include <iostream>
#include <gtest/gtest.h>

namespace {

// "Dir" holds files in mixed case, a subdirectory and, where the system makes
// them (not Windows), links to a directory, to a file and to nowhere, and a
// FIFO; "Cat" holds a visible and a hidden file.
class FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"b.ini", "A.ini", "_x.ini", "a1.ini", "Ä.ini", "c.txt", "Haus.GSB", "Zaun.gsb", "Straße.ini",
                                 "Strasse2.ini"})
            inst.WriteBytes("Dir/" + QString::fromUtf8(name), "12345");
        inst.MakeDir("Dir/Unter.ini");
        specials = TestHost::MakeLink(inst.NativePath("Dir/Unter.ini"), inst.NativePath("Dir/Link"));
        ASSERT_EQ(specials, !TestHost::kWindows);
        if (specials) {
            ASSERT_TRUE(TestHost::MakeLink(inst.NativePath("Dir/A.ini"), inst.NativePath("Dir/Verweis.ini")));
            ASSERT_TRUE(TestHost::MakeLink("/gibt/es/nicht", inst.NativePath("Dir/Tot")));
            ASSERT_TRUE(TestHost::MakeFifo(inst.NativePath("Dir/Rohr")));
        }
        inst.WriteText("Cat/Models.ini", "[x]\n");
        inst.WriteText("Cat/.versteckt.ini", "");
        ASSERT_TRUE(TestHost::MakeHidden(inst.NativePath("Cat/.versteckt.ini")));
    }
    // Whether a row about a link or the FIFO applies on this host.
    bool Applies(const QString& path) const
    {
        static const QStringList specialNames{"Verweis", "Link", "Rohr", "Tot"};
        return specials || std::none_of(specialNames.begin(), specialNames.end(),
                                        [&](const QString& n) { return path.contains(n, Qt::CaseInsensitive); });
    }
    // The names of those that exist on this host.
    QStringList Present(QStringList names) const
    {
        names.removeIf([this](const QString& name) { return !Applies(name); });
        return names;
    }
    QString Win(const QString& rel) const { return inst.WindowsPath(rel); }

    // Names in listing order, directories with a trailing '/'.
    QStringList Names(const QString& pattern, const FileSystem::EntryFilter& filter = {})
    {
        std::vector<FileSystem::DirEntry> entries;
        EXPECT_TRUE(FileSystem::ListDirectory(Win("dir"), pattern, entries, filter));
        QStringList names;
        for (const FileSystem::DirEntry& e : entries) {
            names << e.name + (e.isDir ? "/" : "");
            EXPECT_TRUE(e.hasTimes || e.isDir) << qPrintable(e.name);   // every file asked for has them
        }
        return names;
    }
    TestInstallation inst;
    bool specials = false;
};

TEST_F(FileSystemTest, ExistenceTests)
{
    struct Row {
        QString path;
        bool plainFile, anyEntry, directory;
    };
    const Row rows[] = {
        {Win("Cat\\Models.ini"), true, true, false},
        {Win("cat\\models.INI"), true, true, false},
        {Win("Dir\\Verweis.ini"), true, true, false},   // a link to a file counts
        {Win("Cat\\M*.ini"), true, true, false},
        {Win("Dir\\H??s.*"), true, true, false},
        {Win("Cat"), false, true, true},
        {Win("DIR\\Unter.INI"), false, true, true},
        {Win("Dir\\Link"), false, true, true},
        {Win("dir\\unt*"), false, true, true},          // with a wildcard the first match decides
        {Win("Cat\\.versteckt.ini"), false, true, false},
        {Win("Cat\\.verst*"), false, true, false},
        {Win("Dir\\Rohr"), false, true, false},
        {Win("Dir\\Tot"), false, false, false},
        {Win("Dir\\H?s.gsb"), false, false, false},
        {Win("Dir\\*.mod2"), false, false, false},
        {Win("Fehlt\\*.*"), false, false, false},
        {Win("Cat\\Fehlt.ini"), false, false, false},
        {Win("Cat\\Models.ini\\x"), false, false, false},
        {"\\\\server\\share\\Models.ini", false, false, false},
        {"   ", false, false, false},
    };
    for (const Row& row : rows) {
        if (!Applies(row.path))
            continue;
        EXPECT_EQ(FileSystem::PlainFileExists(row.path), row.plainFile) << qPrintable(row.path);
        EXPECT_EQ(FileSystem::AnyEntryExists(row.path), row.anyEntry) << qPrintable(row.path);
        EXPECT_EQ(FileSystem::IsDirectory(row.path), row.directory) << qPrintable(row.path);
    }
}

TEST_F(FileSystemTest, ListingIsInNtfsOrderWithDotEntriesFirst)
{
    EXPECT_EQ(Names("*.*"), Present({"./", "../", "A.ini", "a1.ini", "b.ini", "c.txt", "Haus.GSB", "Link/", "Strasse2.ini",
                                     "Straße.ini", "Unter.ini/", "Verweis.ini", "Zaun.gsb", "_x.ini", "Ä.ini"}));
    EXPECT_EQ(Names("A*.INI"), QStringList({"A.ini", "a1.ini"}));
    // A filter that leaves entries out keeps the order and kinds of the others.
    const FileSystem::EntryFilter gsbAndDirs = [](const QString& name, bool isDir) {
        if (isDir)
            return FileSystem::EntryNeed::Kind;
        return name.endsWith(".gsb", Qt::CaseInsensitive) ? FileSystem::EntryNeed::KindAndTimes
                                                          : FileSystem::EntryNeed::Skip;
    };
    EXPECT_EQ(Names("*.*", gsbAndDirs), Present({"./", "../", "Haus.GSB", "Link/", "Unter.ini/", "Zaun.gsb"}));

    std::vector<FileSystem::DirEntry> entries;
    EXPECT_FALSE(FileSystem::ListDirectory(Win("Fehlt"), "*.*", entries));
    EXPECT_FALSE(FileSystem::ListDirectory(Win("Dir\\b.ini"), "*.*", entries));
    EXPECT_TRUE(entries.empty());
}

TEST_F(FileSystemTest, ADriveRootHasNoDotEntries)
{
    KLUNI_SKIP_ON_WINDOWS("drive letters there are the system's, not a table of Kluni's");
    // Hidden files are listed.
    std::vector<FileSystem::DirEntry> entries;
    HostPath::SetDriveTable({{'Z', "/"}, {'R', inst.NativePath("Cat")}});
    ASSERT_TRUE(FileSystem::ListDirectory("R:\\", "*.*", entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name + entries[1].name, ".versteckt.iniModels.ini");
}

TEST_F(FileSystemTest, EntriesCarryTimesAndSizesAndOpenOnlyWhenOrdinary)
{
    const QDateTime written = QDateTime::fromString("2003-04-05T06:07:08Z", Qt::ISODate);
    {
        QFile file(inst.NativePath("Dir/Zaun.gsb"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(written, QFileDevice::FileModificationTime));
    }
    std::vector<FileSystem::DirEntry> entries;
    ASSERT_TRUE(FileSystem::ListDirectory(Win("Dir"), "z*.gsb", entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].writeUtcMs, written.toMSecsSinceEpoch());
    // Created (or, without a birth time, changed) just now, not at the write time set above.
    if (TestHost::UnderWine())
        std::cout << "Wine: the creation time is the modification time\n";
    else
        EXPECT_GT(entries[0].birthUtcMs, QDateTime::currentMSecsSinceEpoch() - 24LL * 3600 * 1000);
    EXPECT_LE(entries[0].birthUtcMs, QDateTime::currentMSecsSinceEpoch() + 1000);

    // Only ordinary files have a size and open, through links too; a FIFO is
    // refused at once instead of waiting for a writer.
    for (const char* name : {"Dir/A.ini", "Dir/Verweis.ini", "Dir/Unter.ini", "Dir/Rohr", "Dir/Fehlt.ini"}) {
        if (!Applies(name))
            continue;
        const bool ordinary = QByteArray(name).endsWith("A.ini") || QByteArray(name).endsWith("Verweis.ini");
        EXPECT_EQ(FileSystem::FileSize(Win(name).toLower()), ordinary ? 5 : -1) << name;
        ReadOnlyFile file;
        ASSERT_EQ(file.Open(inst.NativePath(name)), ordinary) << name;
        char data[16] = {};
        EXPECT_EQ(file.Read(data, sizeof data), ordinary ? 5 : -1) << name;
        EXPECT_EQ(QByteArray(data) + QByteArray::number(file.Read(data, sizeof data)), ordinary ? "123450" : "-1") << name;
    }
}

// Reading never locks anyone out: while a file is open here, others can still
// write, rename and delete it (on Windows this is the open's share mode).
TEST_F(FileSystemTest, AFileBeingReadCanBeWrittenRenamedAndDeleted)
{
    ReadOnlyFile reading;
    ASSERT_TRUE(reading.Open(inst.NativePath("Dir/b.ini")));
    QFile writer(inst.NativePath("Dir/b.ini"));
    ASSERT_TRUE(writer.open(QIODevice::WriteOnly | QIODevice::Append)) << qPrintable(writer.errorString());
    EXPECT_EQ(writer.write("67"), 2);
    writer.close();
    EXPECT_TRUE(QFile::rename(inst.NativePath("Dir/b.ini"), inst.NativePath("Dir/b2.ini")));
    EXPECT_TRUE(QFile::remove(inst.NativePath("Dir/b2.ini")));
    char data[16] = {};
    EXPECT_EQ(reading.Read(data, sizeof data), 7);
}

// Paths beyond the classic Windows limit of 260 characters are listed, found
// and read like any other.
TEST_F(FileSystemTest, PathsBeyondTheClassicLimitWork)
{
    QString rel = "Tief";
    while (inst.NativePath(rel).size() < 300)
        rel += "/Verzeichnis_mit_langem_Namen";
    inst.WriteBytes(rel + "/Haus.gsb", "12345");
    std::vector<FileSystem::DirEntry> entries;
    ASSERT_TRUE(FileSystem::ListDirectory(Win(rel), "*.gsb", entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Haus.gsb");
    EXPECT_TRUE(entries[0].hasTimes);
    EXPECT_TRUE(FileSystem::PlainFileExists(Win(rel + "/haus.GSB")));
    EXPECT_EQ(FileSystem::FileSize(Win(rel + "/Haus.gsb")), 5);
    ReadOnlyFile file;
    ASSERT_TRUE(file.Open(inst.NativePath(rel + "/Haus.gsb")));
    char data[8] = {};
    EXPECT_EQ(file.Read(data, sizeof data), 5);
}

TEST(Wildcard, MatchesLikeAWindowsDirectorySearch)
{
    const struct { const char *name, *pattern; bool matches; } rows[] = {
        {"Ohne_Punkt", "*.*", true}, {"häuser.ini", "HÄU*.INI", true}, {"abc", "a?c", true},
        {"ac", "a?c", false},        {"a.b.gsb", "*.gsb", true},       {"a.gsbx", "*.gsb", false},
        {"xaaay", "*a*a*y", true},   {"ab", "a", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FileSystem::MatchesWildcard(QString::fromUtf8(row.name), QString::fromUtf8(row.pattern)), row.matches)
            << row.name << " / " << row.pattern;
    // Many stars against a long near-miss: must finish (no exponential backtracking).
    EXPECT_FALSE(FileSystem::MatchesWildcard(QString(5000, 'a'), "*a*a*a*a*a*a*a*a*b"));
}

} // namespace
