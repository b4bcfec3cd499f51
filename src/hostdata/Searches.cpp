#include "hostdata/Searches.h"

#include "hostdata/ModelScanner.h"
#include "hostdata/SearchRun.h"
#include "startup/modTools.h"

namespace Searches {

const QStringList& DateSearchRoots()
{
    static const QStringList roots{QStringLiteral("Rollmaterial"), QStringLiteral("Gleisobjekte"),
                                   QStringLiteral("Signale\\Signale"), QStringLiteral("LSElemente"),
                                   QStringLiteral("Immobilien"), QStringLiteral("Goods")};
    return roots;
}

SearchOutput ByName(SearchInput input, SearchProgress& progress, qint16 oper, const QString& text,
                    NameSource source)
{
    SearchRun run(std::move(input), progress);
    SearchJob& job = run.Job();
    job.output.gtSearchNameKey = job.nameKey;
    run.StartCatalogue();
    job.output.result = run.Models().FilterModels(job, oper, text, source, run.Extending());
    if (job.output.result)
        run.Models().RemoveDups(job.output.glPrevCount, &progress);
    return run.TakeOutput();
}

SearchOutput ByDate(SearchInput input, SearchProgress& progress, const QDate& from, const QDate& to)
{
    SearchRun run(std::move(input), progress);
    run.StartCatalogue();
    progress.Begin(SearchProgress::Unit::Directories);
    ModelScanner scanner(run.Models(), run.Job());
    scanner.SetDateRange(from, to);
    for (const QString& root : DateSearchRoots())
        scanner.ScanDirectory(JoinPath(run.Job().installation.gtResBase, root));
    run.SettleNewRecords();
    return run.TakeOutput();
}

SearchOutput Dropped(SearchInput input, SearchProgress& progress, const QStringList& windowsPaths)
{
    SearchRun run(std::move(input), progress);
    run.StartCatalogue();
    progress.Begin(SearchProgress::Unit::Directories);
    ModelScanner(run.Models(), run.Job()).ScanFileList(windowsPaths);
    run.SettleNewRecords();
    return run.TakeOutput();
}

SearchOutput StartParams(SearchInput input, SearchProgress& progress, const QStringList& windowsPaths)
{
    SearchRun run(std::move(input), progress);
    progress.Begin(SearchProgress::Unit::Directories);
    ModelScanner(run.Models(), run.Job()).ScanFileList(windowsPaths);
    if (run.Models().Count() > 0)
        run.Models().SetSection(run.Job(), 0);
    return run.TakeOutput();
}

} // namespace Searches
