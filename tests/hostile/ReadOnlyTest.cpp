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
#include "hostdata/SearchProgress.h"
#include "hostdata/Searches.h"
#include "platform/LookupCache.h"
#include "startup/modMain.h"
#include "startup/modTools.h"

#include <QDate>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

qint32 DetailsOfAll(const CModels& models, const CCategories& categories, const Installation& installation)
{
    CGsb gsb;
    LookupCache lookup;
    qint32 known = 0;
    for (qint32 i = 0; i < models.Count(); ++i)
        known += ModelDetail::Of(models, i, categories, gsb, installation, lookup).known ? 1 : 0;
    return known;
}

// Everything the windows and the command-line tool can ask of an installation;
// the counts show that each had something to do, or the comparison proves nothing.
std::string RunEverything(const QString& nativeResBase)
{
    qputenv("KLUNI_RESBASE", QFile::encodeName(nativeResBase));
    const std::shared_ptr<const Installation> installation = CheckInstallation().installation;
    if (!installation)
        return "installation check failed";
    const QString& resBase = installation->gtResBase;
    CCategories categories;
    for (const char* language : {"ENG", "FRA", "POL", "GER"})
        categories.Init(*installation, QStringLiteral("Name_") + QLatin1String(language));
    SearchProgress progress;
    SearchInput input{installation, CModels(), false, QStringLiteral("Name_GER")};
    for (const NameSource source : {NameSource::Gsb, NameSource::Ini, NameSource::Both}) {
        for (qint16 oper = 0; oper <= 4; ++oper)
            Searches::ByName(input, progress, oper, oper == 4 ? QStringLiteral("*e*") : QStringLiteral("e"), source);
    }
    SearchInput extending = input;
    extending.gbExtend = true;
    extending.catalogue = Searches::ByName(input, progress, 0, QStringLiteral("e"), NameSource::Both).models;
    Searches::ByName(extending, progress, 0, QString(), NameSource::Both);

    const SearchOutput all = Searches::ByName(input, progress, 0, QString(), NameSource::Gsb);
    const qint32 known = DetailsOfAll(all.models, categories, *installation);
    ResultTexts::ClipboardText(all.models);
    IniProblemsNoticeText(all.problems, all.gtSearchNameKey, input.gtNameKey);
    const CModels dated = Searches::ByDate(input, progress, QDate(1980, 1, 1), QDate::currentDate().addDays(1)).models;
    const CModels started = Searches::StartParams(input, progress, {resBase}).models;
    DetailsOfAll(started, categories, *installation);
    const QString first = all.models.Count() ? all.models.Filename(0) : QString();
    const CModels dropped = Searches::Dropped(input, progress, {JoinPath(resBase, QStringLiteral("Immobilien")),
                                                                JoinPath(resBase, first)}).models;
    DetailsOfAll(dropped, categories, *installation);
    const auto flag = [](bool worked) { return worked ? "1" : "0"; };
    return std::string("worked ") + flag(all.models.Count() > 0 && known > 0) + flag(dated.Count() > 0)
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
