#pragma once

#include "DemoPlan.h"

class NameFactory;
class Prng;

// Plans the category trees of the nine editors: category files with one or
// more sections, nested up to a few levels through "CDIn"/"CDOut". Each
// top-level file stands for one kind of model; deeper levels and further
// sections narrow it down ("Stadt", "Epoche III", ...).
class CategoryPlanner {
public:
    CategoryPlanner(Prng& rng, NameFactory& names, DemoPlan& plan);

    // About totalCategories categories, shared among the editors by weight.
    void Build(int totalCategories);

    static constexpr int kMinPerEditor = 14;
    static constexpr int kMaxDepth = 3;   // deepest "CDIn" level

private:
    QVector<CategoryFile> BuildLevel(int editor, int depth, int budget, int kind, int parent, const QString& dir);
    CategoryFile BuildFile(int editor, int depth, int share, int kind, int parent, const QString& dir,
                           const Words& name);
    int AddCategory(int editor, int kind, int parent, const Words& name, const QString& section,
                    const QString& file);
    QVector<int> Split(int budget, int parts);
    // Qualifiers for the sections of one file, different from each other as far as there are enough.
    QVector<Words> PickQualifiers(int count);

    Prng& m_rng;
    NameFactory& m_names;
    DemoPlan& m_plan;
};
