#include "hostdata/CCategories.h"

#include "hostdata/CIniFile.h"
#include "hostdata/CategoryTreeLoader.h"
#include "platform/HostPath.h"
#include "platform/WorkerThread.h"
#include "startup/Installation.h"
#include "startup/KluniError.h"
#include "startup/modTools.h"

#include <QCoreApplication>
#include <QThread>
#include <array>
#include <atomic>
#include <memory>
#include <vector>

namespace {

const QString& PlaceholderTemplate()
{
    static const QString tpl = QStringLiteral("? ? ( --> %1)");
    return tpl;
}

} // namespace

CCategories::CCategories()
    : m_editorTable{
          QStringLiteral("Goods"), QCoreApplication::translate("CCategories", "Güter"),
          QStringLiteral("Landscape_elements"), QCoreApplication::translate("CCategories", "Landschaftselemente"),
          QStringLiteral("Rolling_stock"), QCoreApplication::translate("CCategories", "Rollmaterial einsetzen"),
          QStringLiteral("Signals"), QCoreApplication::translate("CCategories", "Signalsystem"),
          QStringLiteral("Static_structures"), QCoreApplication::translate("CCategories", "Immobilien"),
          QStringLiteral("Track_objects_street"), QCoreApplication::translate("CCategories", "Straßeneditor"),
          QStringLiteral("Track_objects_track"), QCoreApplication::translate("CCategories", "Schieneneditor"),
          QStringLiteral("Track_objects_tram"), QCoreApplication::translate("CCategories", "Straßenbahnverkehr"),
          QStringLiteral("Track_objects_waterway"), QCoreApplication::translate("CCategories", "Wasserwege")},
      m_trees(kEditorCount)
{
}

bool CCategories::Init(const Installation& installation, const QString& nameKey, int threads)
{
    m_filterIndex.clear();
    m_filterIndexBuilt = false;
    m_resBase = installation.gtResBase;
    m_nameKey = nameKey;
    LoadTrees(installation.gtCategoriesDir, threads);
    return true;
}

QString CCategories::Placeholder(const QString& name)
{
    return FormatMsg(PlaceholderTemplate(), {name});
}

QString CCategories::CatName(qint16 piIdx) const
{
    if (piIdx < 0 || piIdx >= kEditorCount)
        throw KluniError::SubscriptOutOfRange();
    return m_editorTable.at(2 * piIdx + 1);
}

QString CCategories::EditorDir(qint16 i) const
{
    if (i < 0 || i >= kEditorCount)
        throw KluniError::SubscriptOutOfRange();
    return m_editorTable.at(2 * i);
}

const QHash<QString, CCategories::NodeRef>& CCategories::FilterIndex() const
{
    if (!m_filterIndexBuilt) {
        // Later editors and later nodes overwrite earlier ones: what remains is
        // what the scan from the highest editor and its last node finds first.
        for (qint16 e = 0; e < kEditorCount; ++e)
            for (qsizetype j = 0; j < m_trees[e].size(); ++j)
                m_filterIndex.insert(m_trees[e][j].Filter, NodeRef{e, qint16(j)});
        m_filterIndexBuilt = true;
    }
    return m_filterIndex;
}

CategoryPlace CCategories::FindModel(const QString& ptFilter, const QString& ptGsb, LookupCache* cache) const
{
    CategoryPlace place;
    const auto found = FilterIndex().constFind(ptFilter);
    if (found != FilterIndex().cend()) {
        const qint16 e = found->editor;
        const qint16 j = found->node;

        QString name = IniModelName(JoinPath(m_resBase, ptGsb), m_nameKey, cache);
        if (name == QLatin1String("<?>"))
            name.clear();
        if (name.isEmpty()) {
            const QString last = LastPathPart(ptGsb);
            const QString stem = last.size() >= 4 ? last.chopped(4) : QString();
            name = Placeholder(stem + QStringLiteral(".ini"));
        }
        place.editor = e;
        place.categories = ChainUpFrom(e, j);
        place.modelName = name;
    }
    return place;
}

QStringList CCategories::ChainUpFrom(qint16 editor, qint16 j) const
{
    // A node can be its own parent (a "CDIn" right after a file without any
    // section); the walk also stops after as many steps as there are nodes,
    // so no parent chain can keep it going.
    const QVector<CategoryNode>& nodes = m_trees[editor];
    QStringList chain;
    qsizetype steps = 0;
    while (j >= 0 && j < nodes.size() && steps <= nodes.size()) {
        chain.prepend(nodes[j].Name);
        const qint16 parent = nodes[j].Parent;
        if (parent == j)
            break;
        j = parent;
        ++steps;
    }
    return chain;
}

// The trees do not depend on each other: each is read by a loader of its own,
// several at once. A tree's error is thrown only after the trees before it
// are in place, and the trees after it stay as they were: the same outcome as
// reading them one by one. Reading them issues no messages. A thread that
// cannot be started, or fails, leaves the trees as they were: the threads
// already running end first, then its error is thrown.
void CCategories::LoadTrees(const QString& categoriesDir, int threads)
{
    std::array<LoadedTree, kEditorCount> loaded;
    const auto load = [this, &loaded, &categoriesDir](qint16 i) {
        try {
            CategoryTreeLoader(JoinPath(categoriesDir, EditorDir(i)), m_nameKey, categoriesDir)
                .Load(loaded[size_t(i)].nodes);
        } catch (...) {
            loaded[size_t(i)].error = std::current_exception();
        }
    };
    if (threads <= 0)
        threads = QThread::idealThreadCount();
    if (threads <= 1) {
        for (qint16 i = 0; i < kEditorCount; ++i) {
            load(i);
            Commit(i, loaded[size_t(i)]);
        }
        return;
    }
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int i = next++; i < kEditorCount; i = next++)
            load(qint16(i));
    };
    {
        // Joined when the block is left, also by an error: before the trees
        // and the counter that they work on go.
        std::vector<std::unique_ptr<WorkerThread>> workers;
        try {
            for (int t = 1; t < qMin(threads, int(kEditorCount)); ++t)
                workers.push_back(std::make_unique<WorkerThread>(work));
        } catch (...) {
            next = kEditorCount;   // the running ones take no further tree
            throw;
        }
        work();
        for (const std::unique_ptr<WorkerThread>& worker : workers) {
            worker->Join();
            worker->RethrowFailure();
        }
    }
    for (qint16 i = 0; i < kEditorCount; ++i)
        Commit(i, loaded[size_t(i)]);
}

void CCategories::Commit(qint16 i, LoadedTree& tree)
{
    m_trees[i] = std::move(tree.nodes);
    if (tree.error)
        std::rethrow_exception(tree.error);
}
