// Directory scans over trees that loop, nest absurdly deep, exceed the
// system's path length or carry names that are not UTF-8.
#include "HostileFixture.h"

#include "hostdata/CGsb.h"
#include "hostdata/CIniFile.h"
#include "hostdata/CModels.h"
#include "hostdata/ModelScanner.h"
#include "hostdata/Searches.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

#include <QDate>
#include <QFile>

#include <algorithm>
#include <sys/stat.h>

namespace {

std::string ScanText(const QString& windowsDir)
{
    CModels models;
    ModelScanner(models).ScanDirectory(windowsDir);
    QStringList files;
    for (qint32 i = 0; i < models.Count(); ++i)
        files << models.Filename(i);
    return files.join(QLatin1Char('|')).toStdString();
}

// Scans a directory and joins what describe says of each record, each followed
// by a blank.
template <typename Describe>
std::string DescribeScan(const QString& windowsDir, Describe describe)
{
    CModels models;
    ModelScanner(models).ScanDirectory(windowsDir);
    std::string text;
    for (qint32 i = 0; i < models.Count(); ++i)
        text += describe(models.Filename(i)) + " ";
    return text;
}

} // namespace

TEST_F(HostileTest, LinkLoopsBelowAScanRootAreWalkedOnce)
{
    m_inst.WriteText(QStringLiteral("Immobilien/a/haus.gsb"), QStringLiteral("x"));
    m_inst.MakeDir(QStringLiteral("Immobilien/b"));
    // Two links back to the root: an unguarded walk branches at every level
    // until the system's link limit, which is far too many paths.
    Hostile::MakeSymlink(QStringLiteral(".."), m_inst.NativePath(QStringLiteral("Immobilien/a/loop")));
    Hostile::MakeSymlink(QStringLiteral("../../Immobilien"), m_inst.NativePath(QStringLiteral("Immobilien/b/up")));
    Hostile::MakeSymlink(QStringLiteral("../.."), m_inst.NativePath(QStringLiteral("Immobilien/b/top")));
    Hostile::MakeSymlink(QStringLiteral("self"), m_inst.NativePath(QStringLiteral("Immobilien/b/self")));
    // A link to a sibling is no loop: its models are found under its own name.
    Hostile::MakeSymlink(QStringLiteral("a"), m_inst.NativePath(QStringLiteral("Immobilien/c")));
    m_inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[S]\nFile1=\\Immobilien\\a\\haus.gsb\n"));
    m_inst.Activate();

    EXPECT_ISOLATED_EQ(Hostile::RunIsolated([&] { return ScanText(m_inst.WindowsPath(QStringLiteral("Immobilien"))); }),
                       "\\immobilien\\a\\haus.gsb|\\immobilien\\c\\haus.gsb");

    EXPECT_ISOLATED_EQ(Hostile::RunIsolated([&] {
                           CModels models;
                           const QDate today = QDate::currentDate();
                           Searches::ByDate(models, today.addDays(-1), today.addDays(1));
                           return Files(models) + " " + models.Section(0).toStdString() + " " + Messages();
                       }),
                       "\\immobilien\\a\\haus.gsb|\\immobilien\\c\\haus.gsb S ");
}

TEST_F(HostileTest, PathsLongerThanTheSystemAllowsAreSkippedQuietly)
{
    m_inst.MakeDir(QStringLiteral("Immobilien"));
    const QByteArray component(200, 'p');
    // 25 levels of 200 characters: the bottom lies beyond 4,096 bytes.
    Hostile::MakeNestedChain(m_inst.NativePath(QStringLiteral("Immobilien")), component, 25, [](int dirFd, int level) {
        if (level == 3 || level == 25)
            Hostile::WriteFileAt(dirFd, "m" + QByteArray::number(level) + ".gsb", "\\");
    });
    m_inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[S]\n"));
    m_inst.Activate();

    const Hostile::Outcome outcome = Hostile::RunIsolated([&] {
        return DescribeScan(m_inst.WindowsPath(QStringLiteral("Immobilien")), [](const QString& file) {
                   CGsb gsb;
                   gsb.Init(JoinPath(gMod.gtResBase, file));
                   CIniFile ini;
                   ini.Init(JoinPath(gMod.gtResBase, file));
                   return Text(LastPathPart(file)) + (gsb.GsbExists() ? "+" : "-");
               })
            + Messages();
    });
    ASSERT_TRUE(outcome.finished) << Hostile::Describe(outcome);
    // The reachable model is found and readable; the one beyond the limit may
    // or may not be listed, but nothing is reported or crashes.
    EXPECT_EQ(outcome.text.rfind("\\m3.gsb+ ", 0), 0u) << outcome.text;
    EXPECT_EQ(outcome.text.find("Fehler"), std::string::npos) << outcome.text;
}

TEST_F(HostileTest, TenThousandNestedDirectoriesAreScannedWithoutRunningOutOfStack)
{
    m_inst.MakeDir(QStringLiteral("Immobilien"));
    Hostile::MakeNestedChain(m_inst.NativePath(QStringLiteral("Immobilien")), "d", 10000, [](int dirFd, int level) {
        if (level == 10 || level == 1000 || level == 10000)
            Hostile::WriteFileAt(dirFd, "m" + QByteArray::number(level) + ".gsb", "\\");
    });
    m_inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[S]\n"));
    m_inst.Activate();

    const Hostile::Outcome outcome = Hostile::RunIsolated([&] {
        return DescribeScan(m_inst.WindowsPath(QStringLiteral("Immobilien")),
                            [](const QString& file) { return Text(LastPathPart(file)); })
            + Messages();
    });
    ASSERT_TRUE(outcome.finished) << Hostile::Describe(outcome);
    // Level 1000 lies within the system's path length; level 10,000 does not.
    EXPECT_EQ(outcome.text.rfind("\\m10.gsb \\m1000.gsb ", 0), 0u) << outcome.text;
}

TEST_F(HostileTest, NamesThatAreNotUtf8DoNotDisturbTheScan)
{
    const QByteArray model = QByteArray::fromRawData("\x0c\x00\x00\x00Haus\\Wand.ab", 16);
    m_inst.WriteBytes(QStringLiteral("Immobilien/normal.gsb"), model);
    m_inst.WriteBytes(QStringLiteral("Immobilien/zz/b.gsb"), model);
    const QByteArray base = QFile::encodeName(m_inst.NativePath(QStringLiteral("Immobilien")));
    Hostile::WriteRawName(base, "H\xe4us.gsb", model);
    const QByteArray dir = base + "/gr\xfc\xff";
    ASSERT_EQ(::mkdir(dir.constData(), 0755), 0);
    Hostile::WriteRawName(dir, "Tor\x9f.gsb", model);
    Hostile::WriteRawName(dir, "Tor\x9f.ini", "[x]\r\nName_GER=Tor\r\n");
    m_inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[S]\nFile1=\\Immobilien\\normal.gsb\n"));
    m_inst.Activate();

    const Hostile::Outcome outcome = Hostile::RunIsolated([&] {
        CModels models;
        Searches::Dropped(models, {m_inst.WindowsPath(QStringLiteral("Immobilien"))});
        std::string text;
        for (qint32 i = 0; i < models.Count(); ++i) {
            const QString file = models.Filename(i);
            CGsb gsb;
            const bool read = gsb.Init(JoinPath(gMod.gtResBase, file));
            IniModelName(JoinPath(gMod.gtResBase, file));
            // The others must not crash anything; how they read is another matter.
            const bool ascii = std::all_of(file.cbegin(), file.cend(), [](QChar c) { return c.unicode() < 0x80; });
            if (ascii)
                text += Text(file) + (read ? "+ " : "- ");
        }
        return text + Messages();
    });
    // The other models are found and read as usual, with their sections.
    EXPECT_ISOLATED_EQ(outcome, "\\immobilien\\normal.gsb+ \\immobilien\\zz\\b.gsb+ ");
}
