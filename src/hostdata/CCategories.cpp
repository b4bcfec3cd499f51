#include "hostdata/CCategories.h"

#include "hostdata/CIniFile.h"
#include "platform/HostPath.h"
#include "startup/KluniError.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

#include <QCoreApplication>
#include <limits>

namespace {

constexpr qint16 kMax16 = std::numeric_limits<qint16>::max();
constexpr qint16 kMin16 = std::numeric_limits<qint16>::min();

const QString& PlaceholderTemplate()
{
    static const QString tpl = QStringLiteral("? ? ( --> %1)");
    return tpl;
}

// Removes leading and trailing space characters (only spaces, not tabs).
QString TrimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return (first == 0 && last == text.size()) ? text : text.mid(first, last - first);
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
      m_trees(kEditorCount),
      m_parentStack{-1}
{
}

bool CCategories::Init()
{
    m_filterIndex.clear();
    m_filterIndexBuilt = false;
    LookupCacheScope cache;
    for (qint16 i = 0; i < kEditorCount; ++i)
        LoadEditor(i);
    return true;
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

CategoryPlace CCategories::FindModel(const QString& ptFilter, const QString& ptGsb) const
{
    CategoryPlace place;
    const auto found = FilterIndex().constFind(ptFilter);
    if (found != FilterIndex().cend()) {
        const qint16 e = found->editor;
        const qint16 j = found->node;

        QString name = IniModelName(JoinPath(gMod.gtResBase, ptGsb));
        if (name == QLatin1String("<?>"))
            name.clear();
        if (name.isEmpty()) {
            const QString last = LastPathPart(ptGsb);
            const QString stem = last.size() >= 4 ? last.chopped(4) : QString();
            name = FormatMsg(PlaceholderTemplate(), {stem + QStringLiteral(".ini")});
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

void CCategories::LoadEditor(qint16 i)
{
    m_depth = 0;
    m_parentStack[0] = -1;
    m_trees[i].clear();
    qint16 lastFirst = 0;

    const QString dir = JoinPath(gMod.gtCategoriesDir, EditorDir(i));
    CIniFile index;
    if (!index.Init(JoinPath(dir, QStringLiteral("index.ini"))))
        return;

    static const QString cdIn = QStringLiteral("CDIn");
    static const QString cdOut = QStringLiteral("CDOut");
    while (true) {
        index.NextEntry();
        if (index.IsEof())
            break;
        if (!index.IsEntry())
            continue;
        const QString& value = index.EntryValue();
        if (value == cdIn) {
            PushParent(lastFirst);
        } else if (value == cdOut) {
            PopParent();
        } else {
            if (m_depth < 0)
                m_depth = 0;
            lastFirst = qint16(m_trees[i].size());
            LoadCategoryFile(i, JoinPath(dir, value));
        }
    }
}

void CCategories::LoadCategoryFile(qint16 i, const QString& path)
{
    CIniFile file;
    if (!file.Init(path))
        return;

    static const QString filterKey = QStringLiteral("FilterSection");
    QVector<CategoryNode>& nodes = m_trees[i];
    qint32 sections = 0;
    qsizetype current = -1;   // entries before the first section are ignored
    while (true) {
        file.NextEntry();
        if (file.IsEof()) {
            PopParent();
            return;
        }
        if (file.IsSection()) {
            AddNode(i);
            current = nodes.size() - 1;
            nodes[current].Parent = StackTop();
            if (++sections == 1)
                PushParent(qint16(current));
        } else if (file.IsEntry() && current >= 0) {
            if (file.EntryNameIs(gMod.gtNameKey)) {
                QString value = TrimSpaces(file.EntryValue());
                if (value.isEmpty())
                    value = FormatMsg(PlaceholderTemplate(), {path.mid(gMod.gtCategoriesDir.size())});
                nodes[current].Name = value;
            } else if (file.EntryNameIs(filterKey)) {
                nodes[current].Filter = file.EntryValue();
            }
        }
    }
}

void CCategories::AddNode(qint16 i)
{
    if (m_trees[i].size() >= kMax16)
        throw KluniError::Overflow();
    m_trees[i].append(CategoryNode());
}

void CCategories::PushParent(qint16 node)
{
    if (m_depth == kMax16)
        throw KluniError::Overflow();
    ++m_depth;
    if (m_depth < 0)
        throw KluniError::SubscriptOutOfRange();
    if (m_depth >= m_parentStack.size())
        m_parentStack.resize(m_depth + 1);
    m_parentStack[m_depth] = node;
}

void CCategories::PopParent()
{
    if (m_depth == kMin16)
        throw KluniError::Overflow();
    --m_depth;
}

qint16 CCategories::StackTop() const
{
    if (m_depth < 0 || m_depth >= m_parentStack.size())
        throw KluniError::SubscriptOutOfRange();
    return m_parentStack[m_depth];
}
