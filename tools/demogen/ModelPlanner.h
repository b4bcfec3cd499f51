#pragma once

#include "DemoPlan.h"

#include <QSet>

class NameFactory;
class Prng;

// Plans the models: spreads them over the categories, names them, puts them
// into directories of realistic size below the editors' model roots and gives
// each its mod2 files. Every model starts out listed under its category's
// section; the oddities are applied afterwards.
class ModelPlanner {
public:
    ModelPlanner(Prng& rng, NameFactory& names, DemoPlan& plan);

    void Build(int modelCount);

    static constexpr int kMinPerDirectory = 40;
    static constexpr int kMaxPerDirectory = 100;

private:
    QVector<int> ModelsPerCategory(int modelCount);
    void AddModel(int category, int serial);
    void AssignDirectories();
    void AssignMod2(PlannedModel& model);

    Prng& m_rng;
    NameFactory& m_names;
    DemoPlan& m_plan;
    QSet<QString> m_shared;
};
