#include "mainwindow/BackgroundSearch.h"

#include "platform/WorkerThread.h"

#include <chrono>

struct BackgroundSearch::State {
    SearchProgress progress{true};
    std::mutex mutex;
    std::condition_variable endedChanged;
    bool ended = false;
    std::function<void()> onEnded;   // cut when the object goes
    Result result;
};

BackgroundSearch::BackgroundSearch(Work work, std::function<void()> onEnded)
    : m_state(std::make_shared<State>())
{
    m_state->onEnded = std::move(onEnded);
    const auto run = [state = m_state, work = std::move(work)] {
        try {
            state->result.output = work(state->progress);
        } catch (const SearchStopped&) {
            state->result.stopped = true;
        } catch (...) {
            state->result.error = std::current_exception();
        }
    };
    // Also when the work could not even begin (out of memory as it started).
    const auto ended = [state = m_state] {
        {
            const std::lock_guard<std::mutex> lock(state->mutex);
            state->ended = true;
            if (state->onEnded)
                state->onEnded();
        }
        state->endedChanged.notify_all();
    };
    m_thread = std::make_unique<WorkerThread>(run, ended);
}

BackgroundSearch::~BackgroundSearch()
{
    {
        const std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->onEnded = nullptr;
    }
    Stop();
    m_thread.reset();   // joins, unless abandoned
}

bool BackgroundSearch::WaitFor(int milliseconds)
{
    std::unique_lock<std::mutex> lock(m_state->mutex);
    return m_state->endedChanged.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                          [this] { return m_state->ended; });
}

void BackgroundSearch::Stop()
{
    m_state->progress.RequestStop();
}

bool BackgroundSearch::StopRequested() const
{
    return m_state->progress.StopRequested();
}

SearchProgress::Figures BackgroundSearch::Figures() const
{
    return m_state->progress.Current();
}

void BackgroundSearch::Abandon()
{
    {
        const std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->onEnded = nullptr;
    }
    m_thread->Abandon();
}

BackgroundSearch::Result BackgroundSearch::TakeResult()
{
    m_thread->Join();
    Result result = std::move(m_state->result);
    // The work may have failed before it began (WorkerThread keeps that).
    try {
        m_thread->RethrowFailure();
    } catch (...) {
        result.error = std::current_exception();
    }
    return result;
}
