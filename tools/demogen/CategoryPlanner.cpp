#include "CategoryPlanner.h"

#include "NameFactory.h"
#include "Prng.h"

CategoryPlanner::CategoryPlanner(Prng& rng, NameFactory& names, DemoPlan& plan)
    : m_rng(rng), m_names(names), m_plan(plan)
{
}

void CategoryPlanner::Build(int totalCategories)
{
    const QVector<EditorWords>& editors = Vocabulary::Editors();
    int weights = 0;
    for (const EditorWords& e : editors)
        weights += e.weight;
    m_plan.editorFiles.resize(editors.size());
    for (int e = 0; e < editors.size(); ++e) {
        const int budget = qMax(kMinPerEditor, int(qint64(totalCategories) * editors[e].weight / weights));
        m_plan.editorFiles[e] = BuildLevel(e, 0, budget, -1, -1, QString());
    }
}

QVector<CategoryFile> CategoryPlanner::BuildLevel(int editor, int depth, int budget, int kind, int parent,
                                                  const QString& dir)
{
    const QVector<ModelKind>& kinds = Vocabulary::Editors()[editor].kinds;
    int files;
    if (depth == 0)
        files = qMin(int(kinds.size()), qMax(3, budget / 3));
    else if (depth == kMaxDepth)
        files = (budget + 2) / 3;
    else
        files = qMin(budget, m_rng.Between(2, 5));

    const QVector<int> shares = Split(budget, files);
    const QVector<Words> qualifiers = PickQualifiers(files);
    QVector<CategoryFile> level;
    for (int i = 0; i < files; ++i) {
        const int fileKind = depth == 0 ? i : kind;
        const Words name = depth == 0 ? kinds[fileKind].plural : qualifiers[i];
        level.append(BuildFile(editor, depth, shares[i], fileKind, parent, dir, name));
    }
    return level;
}

CategoryFile CategoryPlanner::BuildFile(int editor, int depth, int share, int kind, int parent,
                                        const QString& dir, const Words& name)
{
    int sections;
    if (depth == kMaxDepth)
        sections = share;
    else if (depth == 0 && share > 1 && kind == 0)
        sections = 1;   // every editor's first file has sub-files
    else
        sections = qMin(share, 1 + m_rng.Below(3));

    const EditorWords& words = Vocabulary::Editors()[editor];
    const QString kindPlural = words.kinds[kind].plural.ger;
    CategoryFile file;
    file.path = m_names.CategoryFile(dir, name.ger);

    const QStringList ownParts = depth == 0 ? QStringList{kindPlural} : QStringList{kindPlural, name.ger};
    const int first = AddCategory(editor, kind, parent, name, m_names.Section(words.sectionPrefix, ownParts),
                                  file.path);
    file.sections.append(first);
    const QVector<Words> subNames = PickQualifiers(sections - 1);
    for (const Words& sub : subNames) {
        const QString section = m_names.Section(words.sectionPrefix, {kindPlural, sub.ger});
        file.sections.append(AddCategory(editor, kind, first, sub, section, file.path));
    }

    const int rest = share - sections;
    if (rest > 0) {
        const QString childDir = file.path.chopped(4);   // "<dir>\<file>" without ".ini"
        file.children = BuildLevel(editor, depth + 1, rest, kind, first, childDir);
    }
    return file;
}

int CategoryPlanner::AddCategory(int editor, int kind, int parent, const Words& name, const QString& section,
                                 const QString& file)
{
    PlannedCategory category;
    category.editor = editor;
    category.kind = kind;
    category.parent = parent;
    category.name = name;
    category.filterSection = section;
    category.file = file;
    m_plan.categories.append(category);
    return int(m_plan.categories.size()) - 1;
}

QVector<int> CategoryPlanner::Split(int budget, int parts)
{
    QVector<int> shares(parts, budget / parts);
    for (int r = budget % parts; r > 0; --r)
        ++shares[m_rng.Below(parts)];
    // Some unevenness, as real trees have: move units between random files.
    for (int k = 0; k < parts; ++k) {
        const int from = m_rng.Below(parts);
        const int to = m_rng.Below(parts);
        const int amount = shares[from] / 3;
        shares[from] -= amount;
        shares[to] += amount;
    }
    return shares;
}

QVector<Words> CategoryPlanner::PickQualifiers(int count)
{
    const QVector<Words>& all = Vocabulary::Qualifiers();
    const int start = m_rng.Below(int(all.size()));
    QVector<Words> picked;
    for (int i = 0; i < count; ++i)
        picked.append(all[(start + i) % all.size()]);
    return picked;
}
