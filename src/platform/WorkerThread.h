#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <thread>

// A thread that runs one piece of work beside its owner. What the work
// throws is kept, never thrown on: an exception must not end the program from
// a thread of its own. The owner asks Failed() and rethrows the error on its
// own thread, where the program's usual error report follows. The thread is
// joined when the object ends, unless it was abandoned.
class WorkerThread {
public:
    // Starts the work; onEnd runs on the thread after it, however it ended.
    // Throws std::system_error when the system cannot start another thread.
    explicit WorkerThread(std::function<void()> work, std::function<void()> onEnd = {});
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    void Join();
    // Lets the thread run to its end without anyone waiting for it; the work
    // must own (or share) everything it touches.
    void Abandon();
    // True once the work has ended by an exception.
    bool Failed() const;
    // Rethrows what the work threw, if it failed.
    void RethrowFailure() const;

    // Tests: the n-th thread started from now on (1: the next) fails as told:
    // it cannot be started, or its work runs out of memory (std::bad_alloc)
    // as it begins. 0 ends it.
    enum class Failure { Start, Memory };
    static void FailForTests(int n, Failure failure);

private:
    struct Outcome {
        std::atomic<bool> failed{false};
        std::exception_ptr error;   // written before failed is set
    };
    std::shared_ptr<Outcome> m_outcome;   // shared with the thread, which may outlive an abandoned object
    std::thread m_thread;
};
