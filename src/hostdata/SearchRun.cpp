#include "hostdata/SearchRun.h"

SearchRun::SearchRun(SearchInput input, SearchProgress& progress)
    : m_input(std::move(input))
    , m_job{*m_input.installation, m_input.gtNameKey, progress, m_lookup, m_output}
    , m_ends(progress)
{
    m_output.models = std::move(m_input.catalogue);
}

void SearchRun::StartCatalogue()
{
    if (!m_input.gbExtend)
        m_output.models = CModels();
    m_output.glPrevCount = m_output.models.Count();
}

void SearchRun::SettleNewRecords()
{
    const qint32 before = m_output.glPrevCount;
    if (Models().Count() > before) {
        Models().SetSection(m_job, before);
        Models().RemoveDups(before, &m_job.progress);
    }
}
