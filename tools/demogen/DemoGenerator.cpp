#include "DemoGenerator.h"

#include "CategoryPlanner.h"
#include "CategoryTreeWriter.h"
#include "ModelPlanner.h"
#include "ModelWriter.h"
#include "ModelsIniWriter.h"
#include "NameFactory.h"
#include "OddityPlanner.h"
#include "OutputTree.h"
#include "Prng.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// About one category for five models, never fewer than the editors' minimum.
int CategoryTarget(int models)
{
    return models / 5;
}

bool IsEmptyDir(const QString& path)
{
    const QDir dir(path);
    return dir.exists() && dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// Removes an earlier demo, refuses to touch anything else (an empty
// "Resourcen" directory is taken as it is).
void PrepareOutput(const QString& outDir)
{
    QDir dir(outDir);
    const bool ours = dir.exists(DemoGenerator::MarkerName());
    const QString resourcen = DemoGenerator::ResourcenDir(outDir);
    if (QFileInfo::exists(resourcen) && !IsEmptyDir(resourcen)) {
        if (!ours)
            throw DemoError(QStringLiteral("%1 already exists and was not written by kluni-demogen").arg(resourcen));
        if (!QDir(resourcen).removeRecursively())
            throw DemoError(QStringLiteral("cannot remove the old demo in %1").arg(resourcen));
    }
    if (ours)
        QFile::remove(dir.filePath(QStringLiteral("Resourcen.Pak")));
    if (!QDir().mkpath(outDir))
        throw DemoError(QStringLiteral("cannot create directory %1").arg(outDir));
}

} // namespace

namespace DemoGenerator {

QString ResourcenDir(const QString& outDir)
{
    return QDir(outDir).filePath(QStringLiteral("Resourcen"));
}

QString MarkerName()
{
    return QStringLiteral("kluni-demo.txt");
}

DemoPlan MakePlan(const DemoOptions& options)
{
    const int models = qMax(int(DemoOptions::kMinModels), options.models);
    Prng rng(options.seed);
    NameFactory names(models);
    DemoPlan plan;
    CategoryPlanner(rng, names, plan).Build(CategoryTarget(models));
    ModelPlanner(rng, names, plan).Build(models);
    OddityPlanner(rng, names, plan).Apply();
    return plan;
}

DemoSummary Write(const DemoOptions& options, const DemoPlan& plan)
{
    PrepareOutput(options.outDir);
    OutputTree top(options.outDir);
    top.Write(MarkerName(),
              QByteArrayLiteral("Synthetic EEP installation written by kluni-demogen. "
                                "The directory may be replaced by the next run.\n"));
    if (options.pak)
        top.Write(QStringLiteral("Resourcen.Pak"), QByteArrayLiteral("PAK\x1a"));

    OutputTree out(ResourcenDir(options.outDir));
    out.MakeDir(QStringLiteral("Modelle"));
    CategoryTreeWriter(plan, out).Write();
    ModelsIniWriter::Write(plan, out);
    ModelWriter(plan, out, options.seed).Write();

    DemoSummary summary;
    summary.models = int(plan.models.size());
    summary.categories = int(plan.categories.size());
    summary.files = out.FilesWritten();
    return summary;
}

} // namespace DemoGenerator
