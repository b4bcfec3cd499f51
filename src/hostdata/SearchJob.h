#pragma once

#include "hostdata/SearchOutput.h"
#include "hostdata/SearchProgress.h"
#include "platform/LookupCache.h"
#include "startup/Installation.h"

#include <QString>

// What the code of one running search works with besides its catalogue: the
// installation and name key it was given, its progress with the stop
// request, the listings its path look-ups reuse, and the output that it
// notes ini problems and messages in. Lives on the search's thread for the
// length of the search.
struct SearchJob {
    const Installation& installation;
    const QString& nameKey;
    SearchProgress& progress;
    LookupCache& lookup;
    SearchOutput& output;
};
