#pragma once

#include <QString>
#include <map>
#include <string>

// Everything about a directory tree that a writer could change: for every
// entry its kind, permissions, size, link count, owner, modification and
// status-change times to the nanosecond, a link's target and a file's
// SHA-256. Access times are left out: reading changes them.
using TreeSnapshot = std::map<std::string, std::string>;

TreeSnapshot TakeSnapshot(const QString& nativeRoot);

// The entries that were added, removed or changed, one per line; empty when
// the two snapshots are equal.
std::string SnapshotDifferences(const TreeSnapshot& before, const TreeSnapshot& after);

// Takes write permission from everything below the root (and the root).
void MakeReadOnly(const QString& nativeRoot);
