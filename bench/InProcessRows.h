#pragma once

#include "Measure.h"

#include "hostdata/CModels.h"

#include <vector>

// The benchmark rows measured inside one process, on the installation that
// the installation check found.
class InProcessRows {
public:
    explicit InProcessRows(const MeasurePolicy& policy);

    // Every row, in table order; `only` (when not empty) picks one by name.
    std::vector<Measurement> Run(const QString& only);

    Measurement LoadCategoryTrees();
    Measurement SetSectionOfScannedFiles();
    Measurement ClipboardText();

private:
    // The model files below the date search roots, as a scan finds them.
    const CModels& Scanned();
    // A catalogue of exactly n "\tDropped" records, the scanned files repeated as needed.
    CModels DroppedCatalogue(qint32 n);

    MeasurePolicy m_policy;
    CModels m_scanned;
    bool m_haveScan = false;
};
