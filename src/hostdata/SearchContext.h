#pragma once

#include "hostdata/CModels.h"
#include "hostdata/SearchProgress.h"
#include "startup/ModuleState.h"

#include <QStringList>

#include <exception>

// Everything one search writes while it runs beside the window: the catalogue
// being filled, its own copy of the module state (the count before the search,
// the name key it took, the ini problem lists), the messages it raised, its
// progress and the request to stop. While a Scope lives on a thread, the
// search code there works on this object instead of gMod; whoever takes the
// results over copies them back with Publish.
class SearchContext {
public:
    SearchContext(const ModuleState& state, const CModels& models);

    CModels models;
    ModuleState state;
    SearchProgress progress;
    bool result = true;            // what the search returned (false: "Models.ini" unreadable)
    QStringList messages;          // message box texts, in order, not yet shown
    std::exception_ptr error;      // a run-time error that ended the search
    bool stopped = false;          // ended early on request

    // What the search wrote into the module state goes to gMod: the count
    // before the search, the name key and the ini problem lists.
    void Publish() const;

    class Scope {
    public:
        explicit Scope(SearchContext& context);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        SearchContext* m_previous;
        SearchProgress::Scope m_progress;
    };

    // The context of the search running on this thread, or nullptr.
    static SearchContext* Current();
};

// The module state that the search code of this thread reads and writes: the
// current search context's, else gMod.
ModuleState& SearchState();
