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
    bool hasTimes = true;   // false: size and times were not read (see TimesWanted)
};

// Which entries of a listing need their size and times. Reading them costs a
// status call per entry, while the kind of an entry mostly comes with the
// listing itself. Empty: every entry.
using TimesWanted = std::function<bool(const QString& name)>;

// The names in a directory, without "." and "..". False when it cannot be read.
bool ReadNames(const QString& nativeDir, QStringList& names);

// The entries of a directory with kind, size and times, symbolic links
// followed; "." and ".." left out. Entries whose status cannot be read are
// skipped. An ordinary file or directory that timesWanted turns down may come
// without size and times. False when the directory cannot be read.
bool ReadEntries(const QString& nativeDir, std::vector<Entry>& out, const TimesWanted& timesWanted = {});

// Status of one path, symbolic links followed. False when nothing is there.
bool Stat(const QString& nativePath, Entry& out);

// True when a directory entry of this name exists (a dangling link counts).
bool EntryExists(const QString& nativePath);

} // namespace NativeDirectory
