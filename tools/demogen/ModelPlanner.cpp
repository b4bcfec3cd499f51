#include "ModelPlanner.h"

#include "NameFactory.h"
#include "Prng.h"

#include <QHash>

ModelPlanner::ModelPlanner(Prng& rng, NameFactory& names, DemoPlan& plan)
    : m_rng(rng), m_names(names), m_plan(plan)
{
}

void ModelPlanner::Build(int modelCount)
{
    const QVector<int> perCategory = ModelsPerCategory(modelCount);
    int serial = 0;
    for (int c = 0; c < perCategory.size(); ++c) {
        for (int k = 0; k < perCategory[c]; ++k)
            AddModel(c, ++serial);
        m_plan.categories[c].modelCount = perCategory[c];
    }
    AssignDirectories();
    for (PlannedModel& model : m_plan.models)
        AssignMod2(model);
}

QVector<int> ModelPlanner::ModelsPerCategory(int modelCount)
{
    const int categories = int(m_plan.categories.size());
    QVector<int> counts(categories, 0);
    int left = modelCount;
    // One model in every category while there are enough, the rest at random.
    for (int c = 0; c < categories && left > 0; ++c, --left)
        counts[c] = 1;
    for (; left > 0; --left)
        ++counts[m_rng.Below(categories)];
    return counts;
}

void ModelPlanner::AddModel(int category, int serial)
{
    const PlannedCategory& cat = m_plan.categories[category];
    const ModelKind& kind = Vocabulary::Editors()[cat.editor].kinds[cat.kind];
    const QVector<Words>& variants = Vocabulary::Variants();
    const Words& variant = variants[m_rng.Below(int(variants.size()))];

    PlannedModel model;
    model.editor = cat.editor;
    model.kind = cat.kind;
    model.category = category;
    model.stem = m_names.ModelStem(kind, variant, serial);
    model.name = NameFactory::ModelName(kind, variant, serial);
    model.sections = QStringList{cat.filterSection};
    model.lowerCaseEntry = m_rng.Chance(8);
    m_plan.models.append(model);
}

void ModelPlanner::AssignDirectories()
{
    // Models of one kind share a directory; when there are many, further
    // "Serie_NN" directories below it take the rest.
    QHash<int, QVector<int>> byKind;   // editor * 100 + kind -> models, in order
    QVector<int> order;
    for (int m = 0; m < m_plan.models.size(); ++m) {
        const int key = m_plan.models[m].editor * 100 + m_plan.models[m].kind;
        if (!byKind.contains(key))
            order.append(key);
        byKind[key].append(m);
    }
    for (const int key : order) {
        const QVector<int>& models = byKind[key];
        const EditorWords& editor = Vocabulary::Editors()[key / 100];
        const QString kindDir = editor.modelRoot + QLatin1Char('\\') + editor.kinds[key % 100].dir;
        const bool small = models.size() < 2 * kMinPerDirectory;
        int chunk = 0;
        int left = 0;
        for (const int m : models) {
            if (left == 0) {
                ++chunk;
                left = small ? qMax(3, int(models.size()) / 2) : m_rng.Between(kMinPerDirectory, kMaxPerDirectory);
            }
            m_plan.models[m].dir = chunk == 1
                                       ? kindDir
                                       : kindDir + QStringLiteral("\\Serie_%1").arg(chunk, 2, 10, QLatin1Char('0'));
            --left;
        }
    }
}

void ModelPlanner::AssignMod2(PlannedModel& model)
{
    const EditorWords& editor = Vocabulary::Editors()[model.editor];
    QStringList parts = editor.parts;
    m_rng.Shuffle(parts);
    const int own = qMin(int(parts.size()), 1 + (m_rng.Below(3) == 0 ? 1 : 0));
    for (int i = 0; i < own; ++i)
        model.mod2.append(model.dir + QLatin1Char('\\') + model.stem + QLatin1Char('_') + parts[i]);

    if (m_rng.Chance(50)) {
        const ModelKind& kind = editor.kinds[model.kind];
        const QString shared = editor.modelRoot + QLatin1Char('\\') + kind.dir + QLatin1Char('\\') + kind.stem
                               + QStringLiteral("_Basis");
        model.mod2.append(shared);
        if (!m_shared.contains(shared)) {
            m_shared.insert(shared);
            m_plan.sharedMod2.append(shared);
        }
    }
}
