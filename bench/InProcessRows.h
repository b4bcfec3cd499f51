#pragma once

#include "Measure.h"

#include "hostdata/CModels.h"
#include "hostdata/SearchInput.h"
#include "startup/Installation.h"

#include <QStringList>
#include <memory>
#include <vector>

// The benchmark rows measured inside one process, on the installation that
// the installation check found.
class InProcessRows {
public:
    InProcessRows(const MeasurePolicy& policy, std::shared_ptr<const Installation> installation);

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
    // A search of the installation from an empty list.
    SearchInput Input() const;
    // The six date search roots as a user would drop them.
    QStringList RootPaths() const;
    // A catalogue of exactly n "\tDropped" records, the model files below
    // the roots repeated as needed.
    CModels DroppedCatalogue(qint32 n) const;
    static QString CatalogueNote(const CModels& models);

    MeasurePolicy m_policy;
    std::shared_ptr<const Installation> m_installation;
};
