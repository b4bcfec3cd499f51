#pragma once

#include "DemoPlan.h"

class NameFactory;
class Prng;

// Builds the deliberate faults into a planned installation, so that the demo
// shows every problem the program reports: models without ini file or with a
// blank name, missing mod2 files, a model listed twice, models that
// "Models.ini" does not list (one of them with the extension ".GSB"), models
// under a section that no category uses, and categories with a blank or a
// missing name. Each fault gets models of its own; their number grows with
// the installation.
class OddityPlanner {
public:
    OddityPlanner(Prng& rng, NameFactory& names, DemoPlan& plan);

    void Apply();

private:
    void PickCategories();
    // A sub-category with models, preferably of the given editor, not yet picked.
    int PickCategory(int preferredEditor) const;
    void FillModelPool();
    // The next model without a fault of its own.
    PlannedModel& TakeModel();
    int Scaled(int divisor, int minimum) const;

    void MissingIni();
    void BlankNames();
    void MissingMod2();
    void TwoSections();
    void NotListed();
    void UnknownSection();

    Prng& m_rng;
    NameFactory& m_names;
    DemoPlan& m_plan;
    QVector<int> m_pool;
    QVector<bool> m_pickedCategory;
};
