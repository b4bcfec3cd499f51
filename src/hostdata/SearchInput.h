#pragma once

#include "hostdata/CModels.h"
#include "startup/Installation.h"

#include <QString>
#include <memory>

// What a search starts from; it takes all of it with it to its thread.
struct SearchInput {
    std::shared_ptr<const Installation> installation;
    CModels catalogue;        // the list before the search (extended, or replaced)
    bool gbExtend = false;    // add to the catalogue instead of replacing it
    QString gtNameKey;        // "Name_" and the category language
};
