#include "InProcessRows.h"

#include "hostdata/CCategories.h"
#include "hostdata/ModelScanner.h"
#include "hostdata/ResultTexts.h"
#include "hostdata/Searches.h"
#include "platform/HostPath.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

#include <QDate>
#include <memory>

namespace {

constexpr qint32 kClipboardRecords = 100000;

} // namespace

InProcessRows::InProcessRows(const MeasurePolicy& policy)
    : m_policy(policy)
{
}

QStringList InProcessRows::Names()
{
    return {QStringLiteral("categories"), QStringLiteral("clipboard"), QStringLiteral("date"),
            QStringLiteral("scan")};
}

std::vector<Measurement> InProcessRows::Run(const QString& only)
{
    using RowFn = Measurement (InProcessRows::*)();
    const RowFn rows[] = {&InProcessRows::LoadCategoryTrees, &InProcessRows::ClipboardText,
                          &InProcessRows::DateSearch, &InProcessRows::DroppedRoots};
    const QStringList names = Names();
    std::vector<Measurement> results;
    for (qsizetype i = 0; i < names.size(); ++i)
        if (only.isEmpty() || only == names.at(i))
            results.push_back((this->*rows[i])());
    return results;
}

Measurement InProcessRows::LoadCategoryTrees()
{
    std::unique_ptr<CCategories> categories;
    Measurement m = Measure(
        QStringLiteral("categories"), m_policy, [&] { categories = std::make_unique<CCategories>(); },
        [&] { categories->Init(); });
    qsizetype nodes = 0;
    for (qint16 e = 0; e < CCategories::kEditorCount; ++e)
        nodes += categories->Nodes(e).size();
    m.note = QStringLiteral("%1 categories in 9 trees").arg(nodes);
    return m;
}

Measurement InProcessRows::ClipboardText()
{
    const CModels models = DroppedCatalogue(kClipboardRecords);
    qsizetype length = 0;
    Measurement m = Measure(
        QStringLiteral("clipboard"), m_policy, [] {}, [&] { length = ResultTexts::ClipboardText(models).size(); });
    m.note = QStringLiteral("%1 rows, %2 characters").arg(models.Count()).arg(length);
    return m;
}

// Every model file is new to this range, as on an installation set up today.
Measurement InProcessRows::DateSearch()
{
    CModels models;
    Measurement m = Measure(
        QStringLiteral("date"), m_policy, [&] { models = CModels(); },
        [&] { Searches::ByDate(models, QDate(1980, 1, 1), QDate::currentDate()); });
    m.note = CatalogueNote(models);
    return m;
}

Measurement InProcessRows::DroppedRoots()
{
    const QStringList roots = RootPaths();
    CModels models;
    Measurement m = Measure(
        QStringLiteral("scan"), m_policy, [&] { models = CModels(); },
        [&] { Searches::Dropped(models, roots); });
    m.note = CatalogueNote(models);
    return m;
}

QStringList InProcessRows::RootPaths()
{
    QStringList roots;
    for (const QString& root : Searches::DateSearchRoots())
        roots << JoinPath(gMod.gtResBase, root);
    return roots;
}

CModels InProcessRows::DroppedCatalogue(qint32 n)
{
    CModels scanned;
    {
        LookupCacheScope cache;
        ModelScanner scanner(scanned);
        for (const QString& root : RootPaths())
            scanner.ScanDirectory(root);
    }
    CModels models;
    for (qint32 i = 0; i < n && scanned.Count() > 0; ++i)
        models.StoreFile(scanned.Filename(i % scanned.Count()), DroppedSection());
    return models;
}

QString InProcessRows::CatalogueNote(const CModels& models)
{
    qint32 unknown = 0;
    for (qint32 i = 0; i < models.Count(); ++i)
        if (models.Record(i).Section == DroppedSection())
            ++unknown;
    return QStringLiteral("%1 records, %2 of them not in Models.ini").arg(models.Count()).arg(unknown);
}
