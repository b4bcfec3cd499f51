#include "platform/FileSystem.h"

#include "platform/HostPath.h"
#include "platform/NativeDirectory.h"
#include "platform/TextCase.h"

#include <algorithm>

namespace {

bool HasWildcards(const QString& text)
{
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'));
}

bool IsSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

// A Windows path cut before its last component; the directory part keeps its
// trailing separator ("C:\", "dir\") or is a bare drive or empty.
struct LastComponent {
    QString dir;
    QString name;
};

LastComponent SplitLast(const QString& path)
{
    int cut = path.size();
    while (cut > 0 && !IsSeparator(path.at(cut - 1)))
        --cut;
    if (cut == 0 && path.size() >= 2 && path.at(1) == QLatin1Char(':'))
        cut = 2;
    return {path.left(cut), path.mid(cut)};
}

// True for "X:", "X:\", "\" and the like: a directory without "." and "..".
bool IsDriveRoot(const QString& windowsDir)
{
    QString rest = windowsDir;
    if (rest.size() >= 2 && rest.at(1) == QLatin1Char(':'))
        rest.remove(0, 2);
    return std::all_of(rest.cbegin(), rest.cend(), IsSeparator);
}

bool MatchFolded(const QString& name, const QString& pattern)
{
    // Iterative match that remembers only the latest '*': linear for the
    // patterns a directory search gets, never exponential.
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern.at(p) == QLatin1Char('?') || pattern.at(p) == name.at(n))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern.at(p) == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

bool MatchesAll(const QString& pattern)
{
    return pattern.isEmpty() || pattern == QLatin1String("*") || pattern == QLatin1String("*.*");
}

FileSystem::DirEntry ToDirEntry(NativeDirectory::Entry&& entry)
{
    FileSystem::DirEntry out;
    out.name = std::move(entry.name);
    out.isDir = entry.isDir;
    out.birthUtcMs = entry.birthUtcMs;
    out.writeUtcMs = entry.writeUtcMs;
    out.hasTimes = entry.hasTimes;
    return out;
}

// By upper-cased name (one unit to one, as NTFS: "ß" after "S"), then by name. The upper-cased names lie end to end in
// one string, so that a listing of thousands of entries costs no string each.
void SortNtfsOrder(std::vector<FileSystem::DirEntry>& entries)
{
    struct Key {
        qsizetype offset;
        qsizetype length;
        size_t entry;
    };
    qsizetype total = 0;
    for (const FileSystem::DirEntry& e : entries)
        total += e.name.size();
    QString upper;
    upper.reserve(total + 16);
    std::vector<Key> keys;
    keys.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const qsizetype offset = upper.size();
        TextCase::AppendUpperOneToOne(entries[i].name, upper);
        keys.push_back({offset, upper.size() - offset, i});
    }
    const auto view = [&upper](const Key& k) { return QStringView(upper).mid(k.offset, k.length); };
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        const int byUpper = view(a).compare(view(b));
        if (byUpper != 0)
            return byUpper < 0;
        return QStringView(entries[a.entry].name).compare(entries[b.entry].name) < 0;
    });
    std::vector<FileSystem::DirEntry> sorted;
    sorted.reserve(entries.size());
    for (const Key& key : keys)
        sorted.push_back(std::move(entries[key.entry]));
    entries.swap(sorted);
}

// "." or ".." of a directory being listed. Both are directories whenever the
// directory can be listed, so without times nothing needs to be read.
void AddDotEntry(const QString& name, const QString& nativePath, const FileSystem::EntryFilter& filter,
                 std::vector<FileSystem::DirEntry>& out)
{
    const FileSystem::EntryNeed need = filter ? filter(name, true) : FileSystem::EntryNeed::KindAndTimes;
    if (need == FileSystem::EntryNeed::Skip)
        return;
    if (need == FileSystem::EntryNeed::Kind) {
        FileSystem::DirEntry entry;
        entry.name = name;
        entry.isDir = true;
        entry.hasTimes = false;
        out.push_back(std::move(entry));
        return;
    }
    NativeDirectory::Entry entry;
    if (!NativeDirectory::Stat(nativePath, entry))
        return;
    entry.name = name;
    out.push_back(ToDirEntry(std::move(entry)));
}

// Entries of the directory part that match the wildcard name.
std::vector<FileSystem::DirEntry> MatchingEntries(const LastComponent& parts, LookupCache* cache)
{
    std::vector<FileSystem::DirEntry> entries;
    FileSystem::ListDirectory(parts.dir, parts.name, entries, {}, cache);
    return entries;
}

// For a wildcard existence test the names suffice; no entry's status is read.
bool AnyNameMatches(const LastComponent& parts, LookupCache* cache)
{
    const QString dir = parts.dir.isEmpty() ? QStringLiteral(".") : parts.dir;
    const QString nativeDir = HostPath::ToNative(dir, cache);
    QStringList names;
    if (nativeDir.isEmpty() || !NativeDirectory::ReadNames(nativeDir, names))
        return false;
    if (!IsDriveRoot(dir))
        names << QStringLiteral(".") << QStringLiteral("..");
    if (MatchesAll(parts.name))
        return !names.isEmpty();
    const QString folded = parts.name.toUpper();
    return std::any_of(names.cbegin(), names.cend(),
                       [&folded](const QString& name) { return MatchFolded(TextCase::Upper(name), folded); });
}

} // namespace

namespace FileSystem {

bool MatchesWildcard(const QString& name, const QString& pattern)
{
    if (MatchesAll(pattern))
        return true;
    return MatchFolded(TextCase::Upper(name), TextCase::Upper(pattern));
}

bool AnyEntryExists(const QString& windowsPath, LookupCache* cache)
{
    if (windowsPath.trimmed().isEmpty())
        return false;
    const LastComponent parts = SplitLast(windowsPath);
    if (HasWildcards(parts.name))
        return AnyNameMatches(parts, cache);
    NativeDirectory::Entry entry;
    return NativeDirectory::Stat(HostPath::ToNative(windowsPath, cache), entry);
}

bool IsDirectory(const QString& windowsPath, LookupCache* cache)
{
    if (windowsPath.trimmed().isEmpty())
        return false;
    const LastComponent parts = SplitLast(windowsPath);
    if (parts.name.isEmpty())
        return false;
    if (HasWildcards(parts.name)) {
        std::vector<DirEntry> entries;
        return ListDirectory(parts.dir, parts.name, entries, {}, cache) && !entries.empty()
            && entries.front().isDir;
    }
    NativeDirectory::Entry entry;
    return NativeDirectory::Stat(HostPath::ToNative(windowsPath, cache), entry) && entry.isDir;
}

bool PlainFileExists(const QString& windowsPath, LookupCache* cache)
{
    if (windowsPath.trimmed().isEmpty())
        return false;
    const LastComponent parts = SplitLast(windowsPath);
    if (HasWildcards(parts.name)) {
        const std::vector<DirEntry> entries = MatchingEntries(parts, cache);
        const QString nativeDir = HostPath::ToNative(parts.dir.isEmpty() ? QStringLiteral(".") : parts.dir, cache);
        return std::any_of(entries.cbegin(), entries.cend(), [&nativeDir](const DirEntry& e) {
            return !e.isDir && !NativeDirectory::IsHidden(nativeDir + QLatin1Char('/') + e.name);
        });
    }
    const QString native = HostPath::ToNative(windowsPath, cache);
    NativeDirectory::Entry entry;
    return NativeDirectory::Stat(native, entry) && entry.isRegular && !NativeDirectory::IsHidden(native);
}

bool ListDirectory(const QString& windowsDir, const QString& pattern, std::vector<DirEntry>& out,
                   const EntryFilter& filter, LookupCache* cache)
{
    out.clear();
    const QString dir = windowsDir.isEmpty() ? QStringLiteral(".") : windowsDir;
    const QString nativeDir = HostPath::ToNative(dir, cache);
    std::vector<NativeDirectory::Entry> raw;
    if (nativeDir.isEmpty() || !NativeDirectory::ReadEntries(nativeDir, raw, filter))
        return false;

    const bool all = MatchesAll(pattern);
    const QString foldedPattern = pattern.toUpper();
    std::vector<DirEntry> found;
    found.reserve(raw.size());
    for (NativeDirectory::Entry& entry : raw) {
        if (!entry.isDir && !entry.isRegular)
            continue;
        if (all || MatchFolded(TextCase::Upper(entry.name), foldedPattern))
            found.push_back(ToDirEntry(std::move(entry)));
    }
    SortNtfsOrder(found);

    if (!IsDriveRoot(dir)) {
        if (MatchesWildcard(QStringLiteral("."), pattern))
            AddDotEntry(QStringLiteral("."), nativeDir, filter, out);
        if (MatchesWildcard(QStringLiteral(".."), pattern))
            AddDotEntry(QStringLiteral(".."), nativeDir + QStringLiteral("/.."), filter, out);
    }
    out.insert(out.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
    return true;
}

qint64 FileSize(const QString& windowsPath, LookupCache* cache)
{
    NativeDirectory::Entry entry;
    if (!NativeDirectory::Stat(HostPath::ToNative(windowsPath, cache), entry) || !entry.isRegular)
        return -1;
    return entry.size;
}

} // namespace FileSystem
