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
#include "platform/RecordingMessageSink.h"
#include "startup/ModuleState.h"
#include "startup/modMain.h"
#include "startup/modTools.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>

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

// Everything the windows and the command-line tool can ask of an installation.
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

    CModels all;
    Searches::ByName(all, 0, QString(), NameSource::Gsb);
    const qint32 known = DetailsOfAll(all, categories);
    ResultTexts::ClipboardText(all);
    IniProblemsNoticeText();

    CModels dated;
    Searches::ByDate(dated, QDate(1980, 1, 1), QDate::currentDate().addDays(1));
    CModels started;
    Searches::StartParams(started, {gMod.gtResBase});
    DetailsOfAll(started, categories);
    CModels dropped;
    Searches::Dropped(dropped, {JoinPath(gMod.gtResBase, QStringLiteral("Immobilien")),
                                JoinPath(gMod.gtResBase, all.Count() ? all.Filename(0) : QString())});
    DetailsOfAll(dropped, categories);

    const std::string counts = "all=" + std::to_string(all.Count()) + " known=" + std::to_string(known)
                               + " dated=" + std::to_string(dated.Count()) + " started=" + std::to_string(started.Count())
                               + " dropped=" + std::to_string(dropped.Count());
    // The operations must have had something to do, or the comparison proves nothing.
    const bool didWork = all.Count() > 0 && known > 0 && dated.Count() > 0 && started.Count() > 0
                         && dropped.Count() > 0;
    return didWork ? "worked" : "too little found: " + counts;
}

} // namespace

TEST(ReadOnlyGuarantee, SearchesScansAndLookupsChangeNothing)
{
    ReadOnlyInstallation installation;
    const Hostile::Outcome outcome = Hostile::RunIsolated([&] {
        RecordingMessageSink messages;   // the installation's faults raise messages; nobody answers them
        return RunEverything(installation.Inst().NativeRoot());
    });
    EXPECT_TRUE(outcome.finished) << Hostile::Describe(outcome);
    EXPECT_EQ(outcome.text, "worked");
    EXPECT_EQ(installation.Changes(), "");
}

// The comparison itself: it sees what a writer would leave behind, and not
// what a reader does.
TEST(ReadOnlyGuarantee, SnapshotSeesWritesButNotReads)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.ini"));
    QFile(file).open(QIODevice::WriteOnly);
    const TreeSnapshot before = TakeSnapshot(dir.path());

    QFile reader(file);
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    reader.readAll();
    reader.close();
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(dir.path())), "");

    // Same bytes, same modification time, but written: the status change shows.
    const QByteArray native = QFile::encodeName(file);
    struct stat st {};
    ASSERT_EQ(::stat(native.constData(), &st), 0);
    {
        QFile writer(file);
        ASSERT_TRUE(writer.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, native.constData(), times, 0), 0);
    const std::string changed = SnapshotDifferences(before, TakeSnapshot(dir.path()));
    EXPECT_EQ(changed.rfind("changed /a.ini", 0), 0u) << changed;

    QFile(dir.filePath(QStringLiteral("neu.txt"))).open(QIODevice::WriteOnly);
    EXPECT_NE(SnapshotDifferences(before, TakeSnapshot(dir.path())).find("added /neu.txt"), std::string::npos);
}
