#pragma once

#include "hostdata/SearchOutput.h"
#include "hostdata/SearchProgress.h"

#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

class WorkerThread;

// One search on a thread of its own, beside the window. Everything that the
// thread touches is its own: the work with its input, and a state shared
// with this object (progress and stop request, the output, how it ended). So
// the object may go, and the thread be abandoned, without the thread ever
// touching anything freed. The one link back, onEnded, is cut under the
// state's lock when the object goes.
class BackgroundSearch {
public:
    using Work = std::function<SearchOutput(SearchProgress&)>;

    // Starts the work; onEnded is called on the search's thread when it has
    // ended (until the object goes). Throws when the thread cannot start.
    BackgroundSearch(Work work, std::function<void()> onEnded);
    // A search still running is asked to stop and waited for, unless abandoned.
    ~BackgroundSearch();
    BackgroundSearch(const BackgroundSearch&) = delete;
    BackgroundSearch& operator=(const BackgroundSearch&) = delete;

    // Waits at most so many milliseconds; true when the search has ended.
    bool WaitFor(int milliseconds);
    void Stop();
    bool StopRequested() const;
    SearchProgress::Figures Figures() const;
    // Lets the thread run to its end on its own.
    void Abandon();

    // How an ended search ended: its output, or the run-time error that ended
    // it, or a stop.
    struct Result {
        SearchOutput output;
        std::exception_ptr error;
        bool stopped = false;
    };
    // Joins the ended thread (which orders everything it wrote before what
    // follows here) and hands its result over.
    Result TakeResult();

private:
    struct State;
    std::shared_ptr<State> m_state;
    std::unique_ptr<WorkerThread> m_thread;
};
