#pragma once

#include "platform/NativeDirectory.h"

#include <QString>
#include <QtGlobal>

#include <chrono>
#include <memory>
#include <vector>

class WorkerThread;

// Keeps several reads in flight on a disk that answers many at once faster
// than one after another (a cold cache): files or directories named ahead of
// their turn are read by a few threads, so that the in-order read that
// follows finds them in memory. Only a hint: nothing here changes what the
// caller reads or in which order.
//
// The hints are acted on only once the caller's own reads have gone to the
// disk (or, where the host does not count those, have been slow), so that
// reading from a warm cache pays for nothing but the measuring; and no longer
// once the reads ahead find everything in memory (a cache warm but for a few
// files).
//
// Each reading thread looks its paths up with a lookup cache of its own. A
// reading thread that fails (out of memory) ends; the caller's next
// BeginRead or Hint throws its error, so that the caller's operation ends
// with the usual error report.
class ReadAhead {
public:
    // Files are read ahead in the order named; directories (listed with the
    // filter's status calls, as a scan lists them) the last named first, which
    // is the order of a depth-first walk that names a directory's
    // subdirectories last to first.
    enum class Kind { Files, Directories };

    explicit ReadAhead(Kind kind, NativeDirectory::EntryFilter filter = {});
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // Bracket one of the caller's reads, of so many units (files, directory
    // entries); called on the thread that created the object. The time and
    // the blocks fetched from a disk in between decide whether the hints
    // are acted on. Throws what a reading thread failed with.
    void BeginRead();
    void EndRead(qint64 units);
    bool Active() const { return m_active; }
    // A path (Windows form) that the caller will read soon; ignored while
    // not active. The reading threads look it up themselves.
    void Hint(const QString& windowsPath);

    // Tests: each read-ahead made while this is set acts on its hints from
    // the start and to the end (a warm cache never starts one).
    static void ForceActiveForTests(bool on);

private:
    struct Queue;
    void StartThreads();
    void StopThreads();
    void RethrowReaderFailure() const;
    void Review();
    void Work();
    // A reading thread read so many units; the blocks its thread had read before.
    void NoteWork(qint64 units, qint64 blocksBefore);

    Kind m_kind;
    NativeDirectory::EntryFilter m_filter;
    bool m_active = false;
    bool m_forced = false;
    bool m_timing = false;            // between BeginRead and EndRead of a measured read
    qint64 m_reads = 0;
    int m_decisions = 0;
    std::chrono::steady_clock::time_point m_readStarted;
    qint64 m_blocksAtBegin = -1;      // read by the caller's thread so far; -1: the host does not tell
    qint64 m_measuredNs = 0;
    qint64 m_measuredUnits = 0;
    qint64 m_measuredBlocks = 0;      // -1 once the host did not tell
    std::unique_ptr<Queue> m_queue;
    std::vector<std::unique_ptr<WorkerThread>> m_threads;
};
