#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <vector>

// Raw access to native directories and file status. The only part of the
// file-system layer that differs between hosts: NativeDirectoryPosix.cpp and
// NativeDirectoryWin.cpp implement it.
namespace NativeDirectory {

struct Entry {
    QString name;
    bool isDir = false;
    bool isRegular = false;
    qint64 size = 0;
    qint64 birthUtcMs = 0;  // creation time, status-change time where the host keeps none
    qint64 writeUtcMs = 0;
    bool hasTimes = true;   // false: size and times were not read (see EntryFilter)
};

// What a listing needs of an entry, told by its name and whether it is a
// directory: nothing (the entry is left out), its kind, or its kind with
// size and times. Reading times costs a status call per entry, while the kind
// mostly comes with the listing itself.
enum class EntryNeed { Skip, Kind, KindAndTimes };
using EntryFilter = std::function<EntryNeed(const QString& name, bool isDir)>;

// The names in a directory, without "." and "..". False when it cannot be read.
bool ReadNames(const QString& nativeDir, QStringList& names);

// The entries of a directory with kind, size and times, symbolic links
// followed; "." and ".." left out. Entries whose status cannot be read are
// skipped. With a filter, the entries it skips are left out and those it
// needs only the kind of may come without size and times. False when the
// directory cannot be read.
bool ReadEntries(const QString& nativeDir, std::vector<Entry>& out, const EntryFilter& filter = {});

// Status of one path, symbolic links followed. False when nothing is there.
bool Stat(const QString& nativePath, Entry& out);

// True when a directory entry of this name exists (a dangling link counts).
bool EntryExists(const QString& nativePath);

// True when the host hides the entry from a search for ordinary files: on
// Windows its hidden or system attribute, elsewhere a name beginning with "."
// (as Wine shows such a file).
bool IsHidden(const QString& nativePath);

} // namespace NativeDirectory
