#pragma once

#include "hostdata/SearchContext.h"

#include <QObject>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// One search run on a thread of its own, beside the window. The search works
// only on its own context: the catalogue it fills, its copy of the module
// state, the messages it raises (kept for the window to show) and its
// progress. A run-time error is kept in the context, a stop request ends the
// search early and marks the context stopped.
class BackgroundSearch : public QObject {
    Q_OBJECT
public:
    using Work = std::function<void(SearchContext&)>;

    BackgroundSearch(std::unique_ptr<SearchContext> context, Work work);
    // A search still running is asked to stop and waited for.
    ~BackgroundSearch() override;

    // Waits at most so many milliseconds; true when the search has ended.
    bool WaitFor(int milliseconds);
    void Stop() { m_context->progress.RequestStop(); }
    SearchContext& Context() { return *m_context; }

Q_SIGNALS:
    // The search has ended (delivered on the thread that started it).
    void Ended();

private:
    void Run(const Work& work);

    std::unique_ptr<SearchContext> m_context;
    std::mutex m_mutex;
    std::condition_variable m_endedChanged;
    bool m_ended = false;
    std::thread m_thread;
};
