#pragma once

#include "hostdata/ResultTexts.h"

#include <memory>

class DetailLookup;
struct SearchOutput;
class QIODevice;
struct CheckReport;
struct Mod2Report;

// Writes the answers of kluni-cli, as text or as one JSON document.
class CliOutput {
public:
    virtual ~CliOutput() = default;

    virtual void Check(const CheckReport& report) = 0;
    // A search's result list with, for every record, what the detail view
    // shows, and the ini problems it met; details is nullptr for --brief (the
    // list only, nothing looked up).
    virtual void Models(const SearchOutput& search, ListSource source, DetailLookup* details) = 0;
    virtual void Mod2(const Mod2Report& report) = 0;
};

// The writer for the options; it writes to device (which must stay open for
// its lifetime) and has flushed everything when it is destroyed.
std::unique_ptr<CliOutput> MakeCliOutput(bool json, bool brief, QIODevice& device);
