#pragma once

#include "platform/NativeDirectory.h"

#include <QString>
#include <QtGlobal>

#include <memory>
#include <thread>
#include <vector>

// Keeps several reads in flight on a disk that answers many at once faster
// than one after another (a cold cache): files or directories named ahead of
// their turn are read by a few threads, so that the in-order read that
// follows finds them in memory. Only a hint: nothing here changes what the
// caller reads or in which order.
//
// The hints are acted on only once the caller's own reads have gone to the
// disk (or, where the host does not count those, have been slow), so that
// reading from a warm cache pays for nothing but the measuring.
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

    // The caller's reads of so many units (files, directory entries) took so
    // long; called on the thread that created the object.
    void NoteReadTime(qint64 nanoseconds, qint64 units);
    bool Active() const { return m_active; }
    // A path (Windows form) that the caller will read soon; ignored while
    // not active. The reading threads look it up themselves.
    void Hint(const QString& windowsPath);

private:
    struct Queue;
    void Work();

    Kind m_kind;
    NativeDirectory::EntryFilter m_filter;
    bool m_active = false;
    qint64 m_measuredNs = 0;
    qint64 m_measuredUnits = 0;
    qint64 m_blocksRead = -1;   // by the caller's thread when the measure began
    std::unique_ptr<Queue> m_queue;
    std::vector<std::thread> m_threads;
};
