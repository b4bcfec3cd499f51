#include "platform/CaseInsensitiveLookup.h"

#include "platform/HostPath.h"
#include "platform/NativeDirectory.h"
#include "platform/TextCase.h"

#include <QHash>
#include <QSet>
#include <memory>

namespace {

// A directory's names, for finding a component whatever its case.
struct Listing {
    QHash<QString, QString> byLowerName;  // lower-cased name -> name on disk
    QSet<QString> caseVariants;           // the other names where several differ only in case

    // The component as written when it exists, else the entry of the same
    // name in another case; null when there is none.
    QString Find(const QString& component) const
    {
        const auto it = byLowerName.constFind(TextCase::Lower(component));
        if (it == byLowerName.cend())
            return QString();
        if (*it == component || caseVariants.contains(component))
            return component;
        return *it;
    }
};
using ListingPtr = std::shared_ptr<const Listing>;

// A directory path resolved once: its native form and whether every
// component was found (and with it the directory's listing, read on demand).
struct ResolvedDir {
    QString native;
    bool found = true;
    ListingPtr listing;
};

struct LookupCache {
    int depth = 0;
    QHash<QString, ListingPtr> listings;  // native directory -> its listing
    QHash<QString, ResolvedDir> dirs;     // root + NUL + components -> resolved directory
};

LookupCache& Cache()
{
    static LookupCache cache;
    return cache;
}

ListingPtr ReadListing(const QString& nativeDir)
{
    QStringList names;
    NativeDirectory::ReadNames(nativeDir.isEmpty() ? QStringLiteral(".") : nativeDir, names);
    auto listing = std::make_shared<Listing>();
    listing->byLowerName.reserve(names.size());
    for (const QString& name : names) {
        // Of several names that differ only in case, the smallest is the one
        // found for any other spelling, whatever order the host lists them in.
        QString& chosen = listing->byLowerName[TextCase::Lower(name)];
        if (chosen.isNull()) {
            chosen = name;
        } else {
            listing->caseVariants.insert(qMax(name, chosen));
            chosen = qMin(name, chosen);
        }
    }
    return listing;
}

ListingPtr CachedListing(const QString& nativeDir)
{
    LookupCache& cache = Cache();
    auto it = cache.listings.constFind(nativeDir);
    if (it == cache.listings.cend())
        it = cache.listings.insert(nativeDir, ReadListing(nativeDir));
    return *it;
}

QString JoinNative(const QString& dir, const QString& name)
{
    if (dir.isEmpty())
        return name;
    if (dir.endsWith(QLatin1Char('/')))
        return dir + name;
    return dir + QLatin1Char('/') + name;
}

// The name on disk of a component of dir, matched exactly or else
// case-insensitively; a null string when there is none.
QString FindComponent(ResolvedDir& dir, const QString& component)
{
    if (Cache().depth > 0) {
        if (!dir.listing)
            dir.listing = CachedListing(dir.native);
        return dir.listing->Find(component);
    }
    if (NativeDirectory::EntryExists(JoinNative(dir.native, component)))
        return component;
    return ReadListing(dir.native)->Find(component);
}

void Descend(ResolvedDir& dir, const QString& component)
{
    QString name = component;
    if (dir.found && component != QLatin1String("..")) {
        const QString onDisk = FindComponent(dir, component);
        dir.found = !onDisk.isNull();
        if (dir.found)
            name = onDisk;
    }
    dir.native = JoinNative(dir.native, name);
    dir.listing.reset();
}

ResolvedDir ResolveDir(const QString& nativeRoot, const QStringList& components, qsizetype count)
{
    ResolvedDir dir{nativeRoot, true, nullptr};
    for (qsizetype i = 0; i < count; ++i)
        Descend(dir, components.at(i));
    return dir;
}

// The directory part of a path, resolved once per lookup scope: the files of
// one directory then cost a single hash lookup for all their parents.
ResolvedDir& CachedParent(const QString& nativeRoot, const QStringList& components)
{
    const qsizetype count = components.size() - 1;
    QString key = nativeRoot;
    key += QChar(0);
    for (qsizetype i = 0; i < count; ++i) {
        key += components.at(i);
        key += QLatin1Char('\\');
    }
    LookupCache& cache = Cache();
    auto it = cache.dirs.find(key);
    if (it == cache.dirs.end())
        it = cache.dirs.insert(key, ResolveDir(nativeRoot, components, count));
    return *it;
}

} // namespace

namespace CaseInsensitiveLookup {

QString Resolve(const QString& nativeRoot, const QStringList& components)
{
    if (components.isEmpty())
        return nativeRoot;
    if (Cache().depth == 0)
        return ResolveDir(nativeRoot, components, components.size()).native;
    ResolvedDir& memo = CachedParent(nativeRoot, components);
    // The listing stays in the memo for the next file of the same directory.
    if (memo.found && !memo.listing)
        memo.listing = CachedListing(memo.native);
    ResolvedDir file = memo;
    Descend(file, components.last());
    return file.native;
}

} // namespace CaseInsensitiveLookup

LookupCacheScope::LookupCacheScope()
{
    ++Cache().depth;
}

LookupCacheScope::~LookupCacheScope()
{
    LookupCache& cache = Cache();
    if (--cache.depth == 0) {
        cache.listings.clear();
        cache.dirs.clear();
    }
}
