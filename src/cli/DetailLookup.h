#pragma once

#include "hostdata/CCategories.h"
#include "hostdata/CGsb.h"
#include "hostdata/ModelDetail.h"
#include "platform/LookupCache.h"
#include "startup/Installation.h"

#include <QString>
#include <QtGlobal>
#include <memory>

class CModels;

// What the detail view shows for a record, plus the two facts of its gsb file
// that the JSON output lists as numbers.
struct RecordDetail {
    ModelDetail detail;
    bool gsbExists = false;
    qint32 mod2Missing = 0;
};

// Looks records up as selecting them in the result list would: the category
// trees are loaded once (in the language of nameKey), the gsb reader is
// reused, and so are the directory listings of the look-ups: one command is
// one operation.
class DetailLookup {
public:
    DetailLookup(std::shared_ptr<const Installation> installation, const QString& nameKey);
    // Throws KluniError when the category files overflow the trees.
    void Init();
    RecordDetail Of(const CModels& models, qint32 index);
    const QString& NameKey() const { return m_nameKey; }

private:
    std::shared_ptr<const Installation> m_installation;
    QString m_nameKey;
    CCategories m_categories;
    CGsb m_gsb;
    LookupCache m_lookup;
};
