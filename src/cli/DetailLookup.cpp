#include "cli/DetailLookup.h"

DetailLookup::DetailLookup(std::shared_ptr<const Installation> installation, const QString& nameKey)
    : m_installation(std::move(installation))
    , m_nameKey(nameKey)
{
}

void DetailLookup::Init()
{
    m_categories.Init(*m_installation, m_nameKey);
}

RecordDetail DetailLookup::Of(const CModels& models, qint32 index)
{
    RecordDetail result;
    result.detail = ModelDetail::Of(models, index, m_categories, m_gsb, *m_installation, m_lookup);
    result.gsbExists = m_gsb.GsbExists();
    result.mod2Missing = m_gsb.CountMissing();
    return result;
}
