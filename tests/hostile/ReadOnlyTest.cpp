// The read-only guarantee: every search, scan and lookup the program offers,
// run over a read-only installation, leaves not a byte and not a timestamp
// changed (access times aside). Root ignores the permissions, so the
// snapshot comparison is what proves it.
#include "HostileSupport.h"
#include "ReadOnlyInstallation.h"

#include "hostdata/CCategories.h"
#include "hostdata/CGsb.h"
#include "hostdata/CModels.h"
#include "hostdata/ModelDetail.h"
#include "hostdata/ResultTexts.h"
#include "hostdata/Searches.h"
#include "startup/ModuleState.h"
#include "startup/modMain.h"
#include "startup/modTools.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

qint32 DetailsOfAll(const CModels& models, const CCategories& categories)
{
    CGsb gsb;
    qint32 known = 0;
    for (qint32 i = 0; i < models.Count(); ++i)
        known += ModelDetail::Of(models, i, categories, gsb).known ? 1 : 0;
    return known;
}

// Everything the windows and the command-line tool can ask of an installation;
// the counts show that each had something to do, or the comparison proves nothing.
std::string RunEverything(const QString& nativeResBase)
{
    qputenv("KLUNI_RESBASE", QFile::encodeName(nativeResBase));
    QString pakNotice;
    if (!CheckInstallation(&pakNotice))
        return "installation check failed";
    CCategories categories;
    for (const char* language : {"ENG", "FRA", "POL", "GER"}) {
        gMod.gtNameKey = QStringLiteral("Name_") + QLatin1String(language);
        categories.Init();
    }
    CModels models;
    for (const NameSource source : {NameSource::Gsb, NameSource::Ini, NameSource::Both}) {
        for (qint16 oper = 0; oper <= 4; ++oper)
            Searches::ByName(models, oper, oper == 4 ? QStringLiteral("*e*") : QStringLiteral("e"), source);
    }
    gMod.gbExtend = true;
    Searches::ByName(models, 0, QString(), NameSource::Both);
    gMod.gbExtend = false;

    CModels all, dated, started, dropped;
    Searches::ByName(all, 0, QString(), NameSource::Gsb);
    const qint32 known = DetailsOfAll(all, categories);
    ResultTexts::ClipboardText(all);
    IniProblemsNoticeText();
    Searches::ByDate(dated, QDate(1980, 1, 1), QDate::currentDate().addDays(1));
    Searches::StartParams(started, {gMod.gtResBase});
    DetailsOfAll(started, categories);
    Searches::Dropped(dropped, {JoinPath(gMod.gtResBase, QStringLiteral("Immobilien")),
                                JoinPath(gMod.gtResBase, all.Count() ? all.Filename(0) : QString())});
    DetailsOfAll(dropped, categories);
    const auto flag = [](bool worked) { return worked ? "1" : "0"; };
    return std::string("worked ") + flag(all.Count() > 0 && known > 0) + flag(dated.Count() > 0)
           + flag(started.Count() > 0) + flag(dropped.Count() > 0);
}

} // namespace

TEST(ReadOnlyGuarantee, SearchesScansAndLookupsChangeNothing)
{
    ReadOnlyInstallation installation;
    EXPECT_EQ(Hostile::RunIsolated([&] { return RunEverything(installation.Inst().NativeRoot()); }), "worked 1111");
    EXPECT_EQ(installation.Changes(), "");
}

// The comparison itself sees what a writer leaves behind, even the same bytes
// with the old modification time, and not what a reader does.
TEST(ReadOnlyGuarantee, SnapshotSeesWritesButNotReads)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("a.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const TreeSnapshot before = TakeSnapshot(dir.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    file.readAll();
    file.close();
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(dir.path())), "");

    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file.fileName()).constData(), &st), 0);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.close();
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(file.fileName()).constData(), times, 0), 0);
    QFile(dir.filePath(QStringLiteral("neu.txt"))).open(QIODevice::WriteOnly);
    const std::string changes = SnapshotDifferences(before, TakeSnapshot(dir.path()));
    EXPECT_NE(changes.find("changed /a.ini"), std::string::npos) << changes;
    EXPECT_NE(changes.find("added /neu.txt"), std::string::npos) << changes;
}
