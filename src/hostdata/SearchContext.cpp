#include "hostdata/SearchContext.h"

namespace {

thread_local SearchContext* tCurrent = nullptr;

} // namespace

SearchContext::SearchContext(const ModuleState& state, const CModels& models) : models(models), state(state) {}

void SearchContext::Publish() const
{
    gMod.glPrevCount = state.glPrevCount;
    gMod.gtSearchNameKey = state.gtSearchNameKey;
    gMod.gcolMissingIni = state.gcolMissingIni;
    gMod.glMissingIni = state.glMissingIni;
    gMod.gcolNoNameIni = state.gcolNoNameIni;
    gMod.glNoNameIni = state.glNoNameIni;
}

SearchContext::Scope::Scope(SearchContext& context) : m_previous(tCurrent), m_progress(context.progress)
{
    tCurrent = &context;
}

SearchContext::Scope::~Scope()
{
    tCurrent = m_previous;
}

SearchContext* SearchContext::Current()
{
    return tCurrent;
}

ModuleState& SearchState()
{
    return tCurrent ? tCurrent->state : gMod;
}
