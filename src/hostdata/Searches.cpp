#include "hostdata/Searches.h"

#include "hostdata/CModels.h"
#include "hostdata/ModelScanner.h"
#include "platform/HostPath.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

namespace {

// Without "extend" a search starts from an empty catalogue; the count it
// starts from is kept for SetSection and RemoveDups.
void StartCatalogue(CModels& models)
{
    if (!gMod.gbExtend)
        models = CModels();
    gMod.glPrevCount = models.Count();
}

// Gives the records found since glPrevCount their sections and drops those
// that repeat an earlier record.
void SettleNewRecords(CModels& models)
{
    if (models.Count() > gMod.glPrevCount) {
        models.SetSection(gMod.glPrevCount);
        models.RemoveDups(gMod.glPrevCount);
    }
}

} // namespace

namespace Searches {

const QStringList& DateSearchRoots()
{
    static const QStringList roots{QStringLiteral("Rollmaterial"), QStringLiteral("Gleisobjekte"),
                                   QStringLiteral("Signale\\Signale"), QStringLiteral("LSElemente"),
                                   QStringLiteral("Immobilien"), QStringLiteral("Goods")};
    return roots;
}

bool ByName(CModels& models, qint16 oper, const QString& text, NameSource source)
{
    LookupCacheScope cache;
    ResetIniProblems();
    gMod.gtSearchNameKey = gMod.gtNameKey;
    StartCatalogue(models);
    if (!models.FilterModels(oper, text, source))
        return false;
    models.RemoveDups(gMod.glPrevCount);
    return true;
}

void ByDate(CModels& models, const QDate& from, const QDate& to)
{
    LookupCacheScope cache;
    ResetIniProblems();
    StartCatalogue(models);
    ModelScanner scanner(models);
    scanner.SetDateRange(from, to);
    for (const QString& root : DateSearchRoots())
        scanner.ScanDirectory(JoinPath(gMod.gtResBase, root));
    SettleNewRecords(models);
}

void Dropped(CModels& models, const QStringList& windowsPaths)
{
    LookupCacheScope cache;
    StartCatalogue(models);
    ModelScanner(models).ScanFileList(windowsPaths);
    SettleNewRecords(models);
}

void StartParams(CModels& models, const QStringList& windowsPaths)
{
    LookupCacheScope cache;
    ModelScanner(models).ScanFileList(windowsPaths);
    if (models.Count() > 0)
        models.SetSection(0);
}

} // namespace Searches
