#include "cli/DetailLookup.h"

void DetailLookup::Init()
{
    m_categories.Init();
}

RecordDetail DetailLookup::Of(const CModels& models, qint32 index)
{
    RecordDetail result;
    result.detail = ModelDetail::Of(models, index, m_categories, m_gsb);
    result.gsbExists = m_gsb.GsbExists();
    result.mod2Missing = m_gsb.CountMissing();
    return result;
}
