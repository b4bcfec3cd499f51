#pragma once

#include "TestInstallation.h"

#include <QString>
#include <map>
#include <string>

// Everything about a directory tree that a writer could change: for every
// entry its kind, permissions, size, link count, owner, inode, modification
// and status-change times to the nanosecond, a link's target and a file's
// SHA-256. Access times are left out: reading changes them.
using TreeSnapshot = std::map<std::string, std::string>;
TreeSnapshot TakeSnapshot(const QString& nativeRoot);
// The entries added, removed or changed, one per line; empty when equal.
std::string SnapshotDifferences(const TreeSnapshot& before, const TreeSnapshot& after);

// The demo generator's installation with a few hostile extras - a link loop,
// FIFOs named like model files - made read-only, and its snapshot taken then.
class ReadOnlyInstallation {
public:
    ReadOnlyInstallation();
    ~ReadOnlyInstallation();

    TestInstallation& Inst() { return m_inst; }
    // Differences between now and the snapshot taken when it was made read-only.
    std::string Changes() const { return SnapshotDifferences(m_before, TakeSnapshot(NativeTop())); }

private:
    // The "Resourcen" directory and what lies beside it.
    QString NativeTop() const;

    TestInstallation m_inst;
    TreeSnapshot m_before;
};
