#include "OddityPlanner.h"

#include "DemoError.h"
#include "NameFactory.h"
#include "Prng.h"

OddityPlanner::OddityPlanner(Prng& rng, NameFactory& names, DemoPlan& plan)
    : m_rng(rng), m_names(names), m_plan(plan)
{
}

void OddityPlanner::Apply()
{
    PickCategories();
    FillModelPool();
    MissingIni();
    BlankNames();
    MissingMod2();
    TwoSections();
    NotListed();
    UnknownSection();
}

int OddityPlanner::Scaled(int divisor, int minimum) const
{
    return qMax(minimum, int(m_plan.models.size()) / divisor);
}

void OddityPlanner::PickCategories()
{
    m_pickedCategory.fill(false, m_plan.categories.size());
    const int count = qMax(1, int(m_plan.categories.size()) / 2000);
    DemoOddities& odd = m_plan.oddities;
    for (int i = 0; i < count; ++i) {
        const int blank = PickCategory(4);   // Static_structures
        if (blank >= 0) {
            m_plan.categories[blank].blankName = true;
            m_pickedCategory[blank] = true;
            odd.blankNameCategories.append(blank);
        }
        const int unnamed = PickCategory(2);   // Rolling_stock
        if (unnamed >= 0) {
            m_plan.categories[unnamed].missingLang = int(Lang::Ger);
            m_pickedCategory[unnamed] = true;
            odd.missingNameCategories.append(unnamed);
        }
    }
}

int OddityPlanner::PickCategory(int preferredEditor) const
{
    QVector<int> candidates;
    QVector<int> fallback;
    for (int c = 0; c < m_plan.categories.size(); ++c) {
        const PlannedCategory& cat = m_plan.categories[c];
        if (cat.parent < 0 || cat.modelCount == 0 || m_pickedCategory[c])
            continue;
        (cat.editor == preferredEditor ? candidates : fallback).append(c);
    }
    const QVector<int>& from = candidates.isEmpty() ? fallback : candidates;
    return from.isEmpty() ? -1 : from[m_rng.Below(int(from.size()))];
}

void OddityPlanner::FillModelPool()
{
    // Models of the odd categories stay as they are, so that the category's
    // fault is the only thing they show.
    m_pool.clear();
    for (int m = 0; m < m_plan.models.size(); ++m) {
        if (!m_pickedCategory[m_plan.models[m].category])
            m_pool.append(m);
    }
    m_rng.Shuffle(m_pool);
}

PlannedModel& OddityPlanner::TakeModel()
{
    if (m_pool.isEmpty())
        throw DemoError(QStringLiteral("too few models for the deliberate faults"));
    return m_plan.models[m_pool.takeLast()];
}

void OddityPlanner::MissingIni()
{
    QStringList& list = m_plan.oddities.missingIni;
    for (int i = Scaled(100, 2); i > 0; --i) {
        PlannedModel& model = TakeModel();
        model.ini = IniKind::Missing;
        list.append(model.GsbPath());
    }
}

void OddityPlanner::BlankNames()
{
    QStringList& list = m_plan.oddities.blankNameIni;
    for (int i = Scaled(200, 2); i > 0; --i) {
        PlannedModel& model = TakeModel();
        model.ini = i % 2 == 0 ? IniKind::BlankGerName : IniKind::QuotedBlankGerName;
        list.append(model.GsbPath());
    }
}

void OddityPlanner::MissingMod2()
{
    QStringList& list = m_plan.oddities.missingMod2;
    const int count = Scaled(100, 2);
    for (int i = 0; i < count; ++i) {
        PlannedModel& model = TakeModel();
        // The first one lacks all of its own mod2 files, the others one each.
        const QString own = model.dir + QLatin1Char('\\') + model.stem + QLatin1Char('_');
        for (const QString& mod2 : model.mod2) {
            if (mod2.startsWith(own) && (i == 0 || model.missingMod2.isEmpty()))
                model.missingMod2.append(mod2);
        }
        list.append(model.GsbPath());
    }
}

void OddityPlanner::TwoSections()
{
    QStringList& list = m_plan.oddities.twoSections;
    for (int i = Scaled(200, 1); i > 0; --i) {
        PlannedModel& model = TakeModel();
        int other = model.category;
        while (other == model.category)
            other = m_rng.Below(int(m_plan.categories.size()));
        model.sections.append(m_plan.categories[other].filterSection);
        list.append(model.GsbPath());
    }
}

void OddityPlanner::NotListed()
{
    QStringList& upper = m_plan.oddities.upperCaseExtension;
    for (int i = Scaled(1000, 1); i > 0; --i) {
        PlannedModel& model = TakeModel();
        model.extension = QStringLiteral(".GSB");
        model.sections.clear();
        upper.append(model.GsbPath());
    }
    QStringList& list = m_plan.oddities.notInModelsIni;
    for (int i = Scaled(200, 2); i > 0; --i) {
        PlannedModel& model = TakeModel();
        model.sections.clear();
        list.append(model.GsbPath());
    }
}

void OddityPlanner::UnknownSection()
{
    const QString section = m_names.Section(Vocabulary::Editors()[4].sectionPrefix, {QStringLiteral("Sonderbauten")});
    m_plan.extraSections.append(section);
    m_plan.oddities.unknownSectionName = section;
    QStringList& list = m_plan.oddities.unknownSection;
    for (int i = Scaled(200, 2); i > 0; --i) {
        PlannedModel& model = TakeModel();
        model.sections = QStringList{section};
        list.append(model.GsbPath());
    }
}
