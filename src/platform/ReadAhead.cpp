#include "platform/ReadAhead.h"

#include "platform/HostPath.h"
#include "platform/LookupCache.h"
#include "platform/ReadOnlyFile.h"
#include "platform/WorkerThread.h"

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace {

// Reads in flight at once, as many as "xargs -P 8" keeps.
constexpr int kThreads = 8;
// Reads of a warm cache take a few microseconds per unit; a disk that has to
// be asked takes tens to hundreds.
constexpr qint64 kSlowNsPerUnit = 25000;
constexpr qint64 kUnitsPerMeasure = 64;
constexpr qint64 kMeasureOneIn = 16;
// While the hints are acted on, the reading threads' own reads tell after so
// many units whether they still come from a disk.
constexpr qint64 kUnitsPerReview = 1024;
// A reading thread keeps the directory listings of its path look-ups for so
// many hints: neighbouring hints mostly share their directories, and the
// listings of a whole installation would take far too much memory.
constexpr int kHintsPerLookupCache = 512;

// 512-byte blocks that the calling thread has read from a disk so far; -1
// where the host does not tell.
qint64 BlocksReadByThisThread()
{
#ifdef Q_OS_LINUX
    struct rusage usage {};
    if (getrusage(RUSAGE_THREAD, &usage) == 0)
        return usage.ru_inblock;
#endif
    return -1;
}

std::atomic<bool> gForceActive{false};

} // namespace

struct ReadAhead::Queue {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<QString> paths;
    int waiting = 0;   // reading threads asleep for want of a path
    bool closing = false;
    // Units the reading threads read, and blocks they fetched from a disk
    // meanwhile (-1: the host does not tell), since the last review.
    std::atomic<qint64> unitsRead{0};
    std::atomic<qint64> blocksRead{0};
};

ReadAhead::ReadAhead(Kind kind, NativeDirectory::EntryFilter filter)
    : m_kind(kind), m_filter(std::move(filter)), m_forced(gForceActive.load()), m_queue(std::make_unique<Queue>())
{
    if (m_forced) {
        m_active = true;
        StartThreads();
    }
}

ReadAhead::~ReadAhead()
{
    StopThreads();
}

void ReadAhead::StopThreads()
{
    {
        const std::lock_guard<std::mutex> lock(m_queue->mutex);
        m_queue->closing = true;
        m_queue->paths.clear();
    }
    m_queue->wake.notify_all();
    m_threads.clear();   // each joins as it goes
}

void ReadAhead::RethrowReaderFailure() const
{
    for (const std::unique_ptr<WorkerThread>& thread : m_threads)
        thread->RethrowFailure();
}

void ReadAhead::BeginRead()
{
    RethrowReaderFailure();
    ++m_reads;
    if (m_active) {
        Review();
        return;
    }
    // Until the first decision every read is measured, then one in so many:
    // asking for the blocks read costs a system call.
    m_timing = m_decisions == 0 || m_reads % kMeasureOneIn == 0;
    if (!m_timing)
        return;
    m_blocksAtBegin = BlocksReadByThisThread();
    m_readStarted = std::chrono::steady_clock::now();
}

void ReadAhead::EndRead(qint64 units)
{
    if (!m_timing)
        return;
    m_timing = false;
    m_measuredNs += std::chrono::nanoseconds(std::chrono::steady_clock::now() - m_readStarted).count();
    const qint64 blocks = BlocksReadByThisThread();
    if (m_blocksAtBegin < 0 || blocks < 0)
        m_measuredBlocks = -1;
    else if (m_measuredBlocks >= 0)
        m_measuredBlocks += blocks - m_blocksAtBegin;
    m_measuredUnits += units;
    if (m_measuredUnits < kUnitsPerMeasure)
        return;
    // Where the host counts the blocks read from a disk, those tell a cold
    // cache (a busy processor makes warm reads slow, too); elsewhere the time.
    // Only the reads themselves count: the caller's other reads (the list it
    // walks) may well come from the disk while the files it names do not.
    if (m_measuredBlocks >= 0)
        m_active = 4 * m_measuredBlocks >= m_measuredUnits;
    else
        m_active = m_measuredNs > kSlowNsPerUnit * m_measuredUnits;
    ++m_decisions;
    m_measuredNs = 0;
    m_measuredUnits = 0;
    m_measuredBlocks = 0;
    if (m_active)
        StartThreads();
}

// A thread that cannot be started ends those already running before the
// error goes on (also out of the constructor, where no destructor follows).
void ReadAhead::StartThreads()
{
    try {
        for (int i = int(m_threads.size()); i < kThreads; ++i)
            m_threads.push_back(std::make_unique<WorkerThread>([this] { Work(); }));
    } catch (...) {
        StopThreads();
        throw;
    }
}

void ReadAhead::ForceActiveForTests(bool on)
{
    gForceActive.store(on);
}

// Reads ahead that found everything in memory only cost time: the hints are
// dropped again until the caller's own reads go to the disk once more.
void ReadAhead::Review()
{
    if (m_forced || m_queue->unitsRead.load(std::memory_order_relaxed) < kUnitsPerReview)
        return;
    const qint64 units = m_queue->unitsRead.exchange(0);
    const qint64 blocks = m_queue->blocksRead.exchange(0);
    if (blocks >= 0 && 4 * blocks < units)
        m_active = false;
}

void ReadAhead::Hint(const QString& windowsPath)
{
    if (!m_active || windowsPath.isEmpty())
        return;
    RethrowReaderFailure();
    bool wake = false;
    {
        const std::lock_guard<std::mutex> lock(m_queue->mutex);
        m_queue->paths.push_back(windowsPath);
        wake = m_queue->waiting > 0;
    }
    // A busy reading thread takes the path when it is done: waking one costs
    // a switch to it for every path.
    if (wake)
        m_queue->wake.notify_one();
}

void ReadAhead::Work()
{
    std::vector<NativeDirectory::Entry> entries;
    char buffer[4096];
    LookupCache lookupCache;
    for (int hints = 0;; ++hints) {
        QString path;
        {
            std::unique_lock<std::mutex> lock(m_queue->mutex);
            ++m_queue->waiting;
            m_queue->wake.wait(lock, [this] { return m_queue->closing || !m_queue->paths.empty(); });
            --m_queue->waiting;
            if (m_queue->closing)
                return;
            if (m_kind == Kind::Files) {
                path = std::move(m_queue->paths.front());
                m_queue->paths.pop_front();
            } else {
                path = std::move(m_queue->paths.back());
                m_queue->paths.pop_back();
            }
        }
        if (hints % kHintsPerLookupCache == 0)
            lookupCache.Clear();
        // Looking the path up reads its directories: on a cold disk that is
        // as much worth doing ahead as the reading itself.
        if (m_kind == Kind::Directories) {
            const qint64 blocksBefore = BlocksReadByThisThread();
            entries.clear();
            NativeDirectory::ReadEntries(HostPath::ToNative(path, &lookupCache), entries, m_filter);
            NoteWork(qint64(entries.size()), blocksBefore);
            continue;
        }
        const qint64 blocksBefore = BlocksReadByThisThread();
        // Opened as the caller opens it (the path as written first, so that
        // the case-blind look-up lists directories only where that fails)
        // and read up to the size it had then: no further call finds the end.
        ReadOnlyFile file;
        qint64 left = HostPath::OpenReadOnly(path, file, &lookupCache) ? file.Size() : 0;
        while (left > 0) {
            const qint64 n = file.Read(buffer, std::min<qint64>(left, sizeof buffer));
            if (n <= 0)
                break;
            left -= n;
        }
        NoteWork(1, blocksBefore);
    }
}

void ReadAhead::NoteWork(qint64 units, qint64 blocksBefore)
{
    const qint64 blocks = BlocksReadByThisThread();
    if (blocksBefore < 0 || blocks < 0)
        m_queue->blocksRead.store(-1, std::memory_order_relaxed);
    else if (blocks > blocksBefore)
        m_queue->blocksRead.fetch_add(blocks - blocksBefore, std::memory_order_relaxed);
    m_queue->unitsRead.fetch_add(units, std::memory_order_relaxed);
}
