#pragma once

#include <memory>

// The directory listings that case-insensitive look-ups read, kept by one
// operation (a search, a scan, the detail of one model) for its length and
// handed to the path functions that are to reuse them. An object serves the
// thread that uses it: a thread that reads beside another has a cache of its
// own. Its contents live in CaseInsensitiveLookup.cpp, the only code that
// reads or fills them.
class LookupCache {
public:
    LookupCache();
    ~LookupCache();
    LookupCache(const LookupCache&) = delete;
    LookupCache& operator=(const LookupCache&) = delete;

    // Forgets every listing (a thread that reads for a long time keeps only
    // those of its latest paths).
    void Clear();

    struct Contents;
    Contents& Get() { return *m_contents; }

private:
    std::unique_ptr<Contents> m_contents;
};
