#pragma once

#include "hostdata/SearchInput.h"
#include "hostdata/SearchJob.h"
#include "hostdata/SearchOutput.h"
#include "hostdata/SearchProgress.h"
#include "platform/LookupCache.h"

// One search on its thread: the input it owns, the output it fills (starting
// from the input's catalogue), the lookup cache of its paths and the job that
// hands them to the search code. Tells progress that the search has ended
// when it goes.
class SearchRun {
public:
    SearchRun(SearchInput input, SearchProgress& progress);
    SearchRun(const SearchRun&) = delete;
    SearchRun& operator=(const SearchRun&) = delete;

    SearchJob& Job() { return m_job; }
    CModels& Models() { return m_output.models; }
    bool Extending() const { return m_input.gbExtend; }
    SearchOutput TakeOutput() { return std::move(m_output); }

    // Without "extend" a search starts from an empty catalogue; the count it
    // starts from is kept for SetSection and RemoveDups.
    void StartCatalogue();
    // Gives the records found since glPrevCount their sections and drops
    // those that repeat an earlier record.
    void SettleNewRecords();

private:
    SearchInput m_input;
    SearchOutput m_output;
    LookupCache m_lookup;
    SearchJob m_job;
    const SearchProgress::EndGuard m_ends;
};
