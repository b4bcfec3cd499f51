#pragma once

#include <QString>
#include "platform/NativeDirectory.h"

#include <QtGlobal>
#include <vector>

class LookupCache;

// File-system queries on Windows-form paths (see HostPath.h). Each takes the
// lookup cache of the operation that asks, when it has one.
namespace FileSystem {

// True when an entry of any kind (file or directory) matches the path; '*' and
// '?' in the last component are wildcards.
bool AnyEntryExists(const QString& windowsPath, LookupCache* cache = nullptr);

// True when the first entry that matches the path is a directory; '*' and '?'
// in the last component are wildcards. A plain path costs one status call.
bool IsDirectory(const QString& windowsPath, LookupCache* cache = nullptr);

// True when the path names an ordinary file: not a directory, not hidden or
// a system file (see NativeDirectory::IsHidden), not a device, FIFO or socket.
bool PlainFileExists(const QString& windowsPath, LookupCache* cache = nullptr);

struct DirEntry {
    QString name;            // the entry's name as the host writes it
    bool isDir = false;
    qint64 birthUtcMs = 0;   // creation time (status-change time where the host keeps none), ms since epoch UTC
    qint64 writeUtcMs = 0;   // last write, ms since epoch UTC
    bool hasTimes = true;    // false: the times were not read (see EntryFilter)
};

using NativeDirectory::EntryFilter;
using NativeDirectory::EntryNeed;

// Windows-style wildcard match of a name: '*' any run of characters, '?' one
// character, case-insensitive; "*.*" matches every name.
bool MatchesWildcard(const QString& name, const QString& pattern);

// Lists the entries of a directory that match a name pattern ("*.*" = all),
// in NTFS order (by upper-cased name), "." and ".." first (not in a drive's
// root). Only directories and ordinary files are listed. Returns false when
// the directory cannot be listed. Symbolic links are reported as what they
// point to. With a filter, the entries it skips are left out (the order of
// the others stays) and those it needs only the kind of may come without
// times.
bool ListDirectory(const QString& windowsDir, const QString& pattern, std::vector<DirEntry>& out,
                   const EntryFilter& filter = {}, LookupCache* cache = nullptr);

// The size in bytes of an ordinary file, -1 when it cannot be read.
qint64 FileSize(const QString& windowsPath, LookupCache* cache = nullptr);

} // namespace FileSystem
