#include "hostdata/CategoryTreeLoader.h"

#include "hostdata/CIniFile.h"
#include "startup/modTools.h"
#include "startup/KluniError.h"

#include <limits>

namespace {

constexpr qint16 kMax16 = std::numeric_limits<qint16>::max();
constexpr qint16 kMin16 = std::numeric_limits<qint16>::min();

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

CategoryTreeLoader::CategoryTreeLoader(const QString& dir, const QString& nameKey, const QString& categoriesDir)
    : m_dir(dir)
    , m_nameKey(nameKey)
    , m_categoriesDir(categoriesDir)
{
}

void CategoryTreeLoader::Load(QVector<CategoryNode>& nodes)
{
    m_depth = 0;
    m_parentStack[0] = -1;
    nodes.clear();
    qint16 lastFirst = 0;

    CIniFile index;
    if (!index.Init(JoinPath(m_dir, QStringLiteral("index.ini")), &m_lookup))
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
            lastFirst = qint16(nodes.size());
            LoadFile(nodes, JoinPath(m_dir, value));
        }
    }
}

void CategoryTreeLoader::LoadFile(QVector<CategoryNode>& nodes, const QString& path)
{
    CIniFile file;
    if (!file.Init(path, &m_lookup))
        return;

    static const QString filterKey = QStringLiteral("FilterSection");
    qint32 sections = 0;
    qsizetype current = -1;   // entries before the first section are ignored
    while (true) {
        file.NextEntry();
        if (file.IsEof()) {
            PopParent();
            return;
        }
        if (file.IsSection()) {
            AddNode(nodes);
            current = nodes.size() - 1;
            nodes[current].Parent = StackTop();
            if (++sections == 1)
                PushParent(qint16(current));
        } else if (file.IsEntry() && current >= 0) {
            if (file.EntryNameIs(m_nameKey)) {
                QString value = TrimSpaces(file.EntryValue());
                if (value.isEmpty())
                    value = CCategories::Placeholder(path.mid(m_categoriesDir.size()));
                nodes[current].Name = value;
            } else if (file.EntryNameIs(filterKey)) {
                nodes[current].Filter = file.EntryValue();
            }
        }
    }
}

void CategoryTreeLoader::AddNode(QVector<CategoryNode>& nodes)
{
    if (nodes.size() >= kMax16)
        throw KluniError::Overflow();
    nodes.append(CategoryNode());
}

void CategoryTreeLoader::PushParent(qint16 node)
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

void CategoryTreeLoader::PopParent()
{
    if (m_depth == kMin16)
        throw KluniError::Overflow();
    --m_depth;
}

qint16 CategoryTreeLoader::StackTop() const
{
    if (m_depth < 0 || m_depth >= m_parentStack.size())
        throw KluniError::SubscriptOutOfRange();
    return m_parentStack[m_depth];
}
