// Directory reading on Windows, through Qt's own file-system engine.
#include <QtGlobal>
#ifdef Q_OS_WIN

#include "platform/NativeDirectory.h"
#include "platform/Win32Path.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr QDir::Filters kEverything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

void Fill(const QFileInfo& info, NativeDirectory::Entry& out)
{
    out.name = info.fileName();
    out.isDir = info.isDir();
    out.isRegular = info.isFile();
    out.size = info.size();
    out.writeUtcMs = info.lastModified().toMSecsSinceEpoch();
    const QDateTime birth = info.birthTime();
    out.birthUtcMs = (birth.isValid() ? birth : info.metadataChangeTime()).toMSecsSinceEpoch();
}

} // namespace

namespace NativeDirectory {

bool ReadNames(const QString& nativeDir, QStringList& names)
{
    const QDir dir(nativeDir);
    if (!dir.exists())
        return false;
    names = dir.entryList(kEverything, QDir::Unsorted);
    return true;
}

// The host's listing brings the times with it: every entry kept gets them.
bool ReadEntries(const QString& nativeDir, std::vector<Entry>& out, const EntryFilter& filter)
{
    out.clear();
    const QDir dir(nativeDir);
    if (!dir.exists())
        return false;
    for (const QFileInfo& info : dir.entryInfoList(kEverything, QDir::Unsorted)) {
        if (!info.exists())
            continue;
        Entry entry;
        Fill(info, entry);
        if (filter && filter(entry.name, entry.isDir) == EntryNeed::Skip)
            continue;
        out.push_back(std::move(entry));
    }
    return true;
}

bool Stat(const QString& nativePath, Entry& out)
{
    const QFileInfo info(nativePath);
    if (nativePath.isEmpty() || !info.exists())
        return false;
    Fill(info, out);
    return true;
}

bool EntryExists(const QString& nativePath)
{
    const QFileInfo info(nativePath);
    return !nativePath.isEmpty() && (info.exists() || info.isSymLink());
}

bool IsHidden(const QString& nativePath)
{
    const DWORD attributes = GetFileAttributesW(Win32Path(nativePath).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

} // namespace NativeDirectory

#endif // Q_OS_WIN
