#pragma once

#include "hostdata/CCategories.h"
#include "hostdata/CGsb.h"
#include "hostdata/ModelDetail.h"

#include <QtGlobal>

class CModels;

// What the detail view shows for a record, plus the two facts of its gsb file
// that the JSON output lists as numbers.
struct RecordDetail {
    ModelDetail detail;
    bool gsbExists = false;
    qint32 mod2Missing = 0;
};

// Looks records up as selecting them in the result list would: the category
// trees are loaded once (language gMod.gtNameKey), the gsb reader is reused.
class DetailLookup {
public:
    // Throws KluniError when the category files overflow the trees.
    void Init();
    RecordDetail Of(const CModels& models, qint32 index);

private:
    CCategories m_categories;
    CGsb m_gsb;
};
