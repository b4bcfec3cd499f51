#pragma once

#include "hostdata/CFile.h"
#include "platform/FileSystem.h"

#include <QString>
#include <QtGlobal>
#include <vector>

class LookupCache;

// Directory searches with a handle, as the scans use them. Paths are in
// Windows form; entries come in NTFS order, "." and ".." included.
//
// A handle is an index into a table of open listings: FindFirstFile reads the
// whole listing once, FindNextFile hands out its entries, FindClose frees it.
// Whatever is still open when the object ends is freed with it.
class CWinApi {
public:
    static constexpr qint32 kInvalidHandle = -1;

    // An object of a scan looks its paths up with the scan's cache.
    explicit CWinApi(LookupCache* lookup = nullptr) : m_lookup(lookup) {}

    bool isDirectory(const QString& ptFile) const;
    // A filter tells which entries the caller looks at (the others are left
    // out, the order stays) and whose dates it reads (the others may come
    // with null dates): that spares a status call per entry.
    bool FindFirstFile(qint32& plHandle, const QString& ptDir, const QString& ptFileTemplate, CFile& pFile,
                       const FileSystem::EntryFilter& filter = {});
    bool FindNextFile(qint32 plHandle, const QString& ptDir, CFile& pFile);
    bool FindClose(qint32 plHandle);
    // Height of a window caption bar in pixels (set by the window layer; a
    // typical value until then).
    qint32 GetWinTitleHeight() const;
    static void SetWinTitleHeight(qint32 pixels);

    // The local calendar day of a UTC time, converted with the UTC offset in
    // force now (daylight saving included), as the file dates are.
    static QDate LocalDayOf(qint64 utcMs);
    // The same with a given UTC offset in seconds.
    static QDate LocalDayOf(qint64 utcMs, int offsetSeconds);

    // Number of searches not yet closed (tests).
    qint32 OpenSearchCount() const;

private:
    struct Listing {
        std::vector<FileSystem::DirEntry> entries;
        size_t next = 0;
        bool open = false;
        // The UTC offset in force when the search began: asking the time zone
        // for every entry would cost more than listing the directory.
        int offsetSeconds = 0;
    };

    static void FillFile(const QString& ptDir, const FileSystem::DirEntry& entry, int offsetSeconds,
                         CFile& pFile);
    Listing* OpenListing(qint32 plHandle);

    LookupCache* m_lookup;
    std::vector<Listing> m_listings;
};

// The one shared instance, created on first use.
CWinApi& goWinApi();
