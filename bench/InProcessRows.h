#pragma once

#include "Measure.h"

#include "hostdata/CModels.h"

#include <QStringList>
#include <vector>

// The benchmark rows measured inside one process, on the installation that
// the installation check found.
class InProcessRows {
public:
    explicit InProcessRows(const MeasurePolicy& policy);

    // The row names, in table order.
    static QStringList Names();
    // Every row, in table order; `only` (when not empty) picks one by name.
    std::vector<Measurement> Run(const QString& only);

    Measurement LoadCategoryTrees();
    // The floor under it: the same category files opened, read and closed
    // with plain system calls, nothing parsed.
    Measurement ReadCategoryFiles();
    Measurement ClipboardText();
    Measurement DateSearch();
    Measurement DroppedRoots();

private:
    // The six date search roots as a user would drop them.
    static QStringList RootPaths();
    // A catalogue of exactly n "\tDropped" records, the model files below
    // the roots repeated as needed.
    static CModels DroppedCatalogue(qint32 n);
    static QString CatalogueNote(const CModels& models);

    MeasurePolicy m_policy;
};
