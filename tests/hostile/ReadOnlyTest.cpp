// The read-only guarantee: every search, scan and lookup the program offers,
// run over a read-only installation, leaves not a byte and not a timestamp
// changed (access times aside). Root ignores the permissions, so the
// snapshot comparison is what proves it.
#include "HostileSupport.h"

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
    // The comparison sees a writer even when the bytes and the modification time stay as they were.
    const QByteArray ini = QFile::encodeName(installation.Inst().NativePath(QStringLiteral("Categories/Models.ini")));
    struct stat st {};
    ASSERT_EQ(::stat(ini.constData(), &st), 0);
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, ini.constData(), times, 0), 0);
    EXPECT_NE(installation.Changes().find("Categories/Models.ini: "), std::string::npos) << installation.Changes();
}
