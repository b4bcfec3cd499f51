#include "hostdata/Searches.h"

#include "hostdata/CModels.h"
#include "hostdata/ModelScanner.h"
#include "hostdata/SearchContext.h"
#include "platform/HostPath.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

namespace {

// Without "extend" a search starts from an empty catalogue; the count it
// starts from is kept for SetSection and RemoveDups.
void StartCatalogue(CModels& models)
{
    if (!SearchState().gbExtend)
        models = CModels();
    SearchState().glPrevCount = models.Count();
}

// Gives the records found since glPrevCount their sections and drops those
// that repeat an earlier record.
void SettleNewRecords(CModels& models)
{
    if (models.Count() > SearchState().glPrevCount) {
        models.SetSection(SearchState().glPrevCount);
        models.RemoveDups(SearchState().glPrevCount);
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
    const SearchProgress::EndGuard progressEnds;
    ResetIniProblems();
    SearchState().gtSearchNameKey = SearchState().gtNameKey;
    StartCatalogue(models);
    if (!models.FilterModels(oper, text, source))
        return false;
    models.RemoveDups(SearchState().glPrevCount);
    return true;
}

void ByDate(CModels& models, const QDate& from, const QDate& to)
{
    LookupCacheScope cache;
    const SearchProgress::EndGuard progressEnds;
    ResetIniProblems();
    StartCatalogue(models);
    SearchProgress::Begin(SearchProgress::Unit::Directories);
    ModelScanner scanner(models);
    scanner.SetDateRange(from, to);
    for (const QString& root : DateSearchRoots())
        scanner.ScanDirectory(JoinPath(SearchState().gtResBase, root));
    SettleNewRecords(models);
}

void Dropped(CModels& models, const QStringList& windowsPaths)
{
    LookupCacheScope cache;
    const SearchProgress::EndGuard progressEnds;
    StartCatalogue(models);
    SearchProgress::Begin(SearchProgress::Unit::Directories);
    ModelScanner(models).ScanFileList(windowsPaths);
    SettleNewRecords(models);
}

void StartParams(CModels& models, const QStringList& windowsPaths)
{
    LookupCacheScope cache;
    const SearchProgress::EndGuard progressEnds;
    SearchProgress::Begin(SearchProgress::Unit::Directories);
    ModelScanner(models).ScanFileList(windowsPaths);
    if (models.Count() > 0)
        models.SetSection(0);
}

} // namespace Searches
