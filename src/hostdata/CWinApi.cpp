#include "hostdata/CWinApi.h"

#include <QDateTime>
#include <atomic>

namespace {

std::atomic<qint32> gWinTitleHeight{23};

int CurrentUtcOffset()
{
    return QDateTime::currentDateTime().offsetFromUtc();
}

} // namespace

bool CWinApi::isDirectory(const QString& ptFile) const
{
    return FileSystem::IsDirectory(ptFile, m_lookup);
}

bool CWinApi::FindFirstFile(qint32& plHandle, const QString& ptDir, const QString& ptFileTemplate, CFile& pFile,
                            const FileSystem::EntryFilter& filter)
{
    plHandle = kInvalidHandle;
    std::vector<FileSystem::DirEntry> entries;
    if (!FileSystem::ListDirectory(ptDir, ptFileTemplate, entries, filter, m_lookup) || entries.empty())
        return false;

    size_t slot = 0;
    while (slot < m_listings.size() && m_listings[slot].open)
        ++slot;
    if (slot == m_listings.size())
        m_listings.emplace_back();
    Listing& listing = m_listings[slot];
    listing.entries = std::move(entries);
    listing.next = 1;
    listing.open = true;
    listing.offsetSeconds = CurrentUtcOffset();
    plHandle = qint32(slot);
    FillFile(ptDir, listing.entries.front(), listing.offsetSeconds, pFile);
    return true;
}

bool CWinApi::FindNextFile(qint32 plHandle, const QString& ptDir, CFile& pFile)
{
    Listing* listing = OpenListing(plHandle);
    if (!listing || listing->next >= listing->entries.size())
        return false;
    FillFile(ptDir, listing->entries[listing->next++], listing->offsetSeconds, pFile);
    return true;
}

bool CWinApi::FindClose(qint32 plHandle)
{
    Listing* listing = OpenListing(plHandle);
    if (!listing)
        return false;
    *listing = Listing();
    return true;
}

qint32 CWinApi::GetWinTitleHeight() const
{
    return gWinTitleHeight.load();
}

void CWinApi::SetWinTitleHeight(qint32 pixels)
{
    gWinTitleHeight.store(pixels);
}

QDate CWinApi::LocalDayOf(qint64 utcMs)
{
    return LocalDayOf(utcMs, CurrentUtcOffset());
}

QDate CWinApi::LocalDayOf(qint64 utcMs, int offsetSeconds)
{
    constexpr qint64 kMsPerDay = 86400000;
    constexpr qint64 kJulianDayOfEpoch = 2440588;   // 1 January 1970
    const qint64 localMs = utcMs + qint64(offsetSeconds) * 1000;
    // Days rounded down, also before 1970.
    const qint64 days = localMs / kMsPerDay - (localMs % kMsPerDay < 0 ? 1 : 0);
    return QDate::fromJulianDay(kJulianDayOfEpoch + days);
}

qint32 CWinApi::OpenSearchCount() const
{
    qint32 open = 0;
    for (const Listing& listing : m_listings)
        open += listing.open ? 1 : 0;
    return open;
}

void CWinApi::FillFile(const QString& ptDir, const FileSystem::DirEntry& entry, int offsetSeconds, CFile& pFile)
{
    const qsizetype nul = entry.name.indexOf(QChar(0));
    const QStringView name = nul < 0 ? QStringView(entry.name) : QStringView(entry.name).left(nul);
    pFile.SetFilename(ptDir + QLatin1Char('\\') + name);
    pFile.SetCreationDate(entry.hasTimes ? LocalDayOf(entry.birthUtcMs, offsetSeconds) : QDate());
    pFile.SetChangeDate(entry.hasTimes ? LocalDayOf(entry.writeUtcMs, offsetSeconds) : QDate());
    pFile.SetIsDir(entry.isDir);
}

CWinApi::Listing* CWinApi::OpenListing(qint32 plHandle)
{
    if (plHandle < 0 || size_t(plHandle) >= m_listings.size() || !m_listings[size_t(plHandle)].open)
        return nullptr;
    return &m_listings[size_t(plHandle)];
}

CWinApi& goWinApi()
{
    static CWinApi instance;
    return instance;
}
