#include "platform/WorkerThread.h"

#include <new>
#include <system_error>

namespace {

std::atomic<int> gFailIn{0};
std::atomic<int> gFailure{0};

// True when the thread being started is the one a test asked to fail so.
bool FailsForTests(WorkerThread::Failure failure)
{
    if (gFailIn.load() <= 0 || gFailure.load() != int(failure))
        return false;
    return gFailIn.fetch_sub(1) == 1;
}

} // namespace

WorkerThread::WorkerThread(std::function<void()> work, std::function<void()> onEnd)
    : m_outcome(std::make_shared<Outcome>())
{
    if (FailsForTests(Failure::Start))
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    const bool outOfMemory = FailsForTests(Failure::Memory);
    m_thread = std::thread([outcome = m_outcome, work = std::move(work), onEnd = std::move(onEnd), outOfMemory] {
        try {
            if (outOfMemory)
                throw std::bad_alloc();
            work();
        } catch (...) {
            outcome->error = std::current_exception();
            outcome->failed.store(true);
        }
        if (onEnd)
            onEnd();
    });
}

WorkerThread::~WorkerThread()
{
    Join();
}

void WorkerThread::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void WorkerThread::Abandon()
{
    if (m_thread.joinable())
        m_thread.detach();
}

bool WorkerThread::Failed() const
{
    return m_outcome->failed.load();
}

void WorkerThread::RethrowFailure() const
{
    if (m_outcome->failed.load())
        std::rethrow_exception(m_outcome->error);
}

void WorkerThread::FailForTests(int n, Failure failure)
{
    gFailure.store(int(failure));
    gFailIn.store(n);
}
