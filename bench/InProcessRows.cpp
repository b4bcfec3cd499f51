#include "InProcessRows.h"

#include "hostdata/CCategories.h"
#include "hostdata/ModelScanner.h"
#include "hostdata/ResultTexts.h"
#include "hostdata/Searches.h"
#include "platform/HostPath.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

#include <memory>

namespace {

constexpr qint32 kSetSectionRecords = 10000;
constexpr qint32 kClipboardRecords = 100000;

} // namespace

InProcessRows::InProcessRows(const MeasurePolicy& policy)
    : m_policy(policy)
{
}

std::vector<Measurement> InProcessRows::Run(const QString& only)
{
    using RowFn = Measurement (InProcessRows::*)();
    const std::vector<std::pair<QString, RowFn>> rows{
        {QStringLiteral("categories"), &InProcessRows::LoadCategoryTrees},
        {QStringLiteral("setsection"), &InProcessRows::SetSectionOfScannedFiles},
        {QStringLiteral("clipboard"), &InProcessRows::ClipboardText},
    };
    std::vector<Measurement> results;
    for (const auto& [name, fn] : rows)
        if (only.isEmpty() || only == name)
            results.push_back((this->*fn)());
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

Measurement InProcessRows::SetSectionOfScannedFiles()
{
    const qint32 n = qMin(kSetSectionRecords, Scanned().Count());
    const CModels base = DroppedCatalogue(n);
    CModels models;
    Measurement m = Measure(
        QStringLiteral("setsection"), m_policy, [&] { models = base; }, [&] { models.SetSection(0); });
    qint32 placed = 0;
    for (qint32 i = 0; i < models.Count(); ++i)
        if (models.Section(i) != DroppedSection())
            ++placed;
    m.note = QStringLiteral("%1 scanned files, %2 records afterwards, %3 with a section")
                 .arg(n).arg(models.Count()).arg(placed);
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

const CModels& InProcessRows::Scanned()
{
    if (!m_haveScan) {
        LookupCacheScope cache;
        ModelScanner scanner(m_scanned);
        for (const QString& root : Searches::DateSearchRoots())
            scanner.ScanDirectory(JoinPath(gMod.gtResBase, root));
        m_haveScan = true;
    }
    return m_scanned;
}

CModels InProcessRows::DroppedCatalogue(qint32 n)
{
    const CModels& scanned = Scanned();
    CModels models;
    for (qint32 i = 0; i < n && scanned.Count() > 0; ++i)
        models.StoreFile(scanned.Filename(i % scanned.Count()), DroppedSection());
    return models;
}
