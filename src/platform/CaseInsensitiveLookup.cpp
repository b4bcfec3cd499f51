#include "platform/CaseInsensitiveLookup.h"

#include "platform/LookupCache.h"
#include "platform/NativeDirectory.h"
#include "platform/TextCase.h"

#include <QHash>
#include <QSet>
#include <functional>
#include <memory>
#include <vector>

namespace {

// A directory's names, for finding a component whatever its case. One
// operation may keep the listings of every model directory (a search by ini
// names opens a file in each), so the names lie end to end in one string,
// found through an open-addressing table of the hashes of their lower case.
// Of several names that differ only in case, the smallest is the one found
// for any other spelling, whatever order the host lists them in.
class Listing {
public:
    explicit Listing(const QStringList& names)
    {
        qsizetype total = 0;
        for (const QString& name : names)
            total += name.size();
        m_text.reserve(total);
        m_names.reserve(size_t(names.size()));
        size_t slots = 8;
        while (slots < 2 * size_t(names.size()))
            slots *= 2;
        m_slots.assign(slots, Slot{0, -1});
        m_mask = slots - 1;

        for (const QString& name : names) {
            const qint32 index = qint32(m_names.size());
            m_names.push_back({qint32(m_text.size()), qint32(name.size())});
            m_text.append(name);
            const QString lower = TextCase::Lower(name);
            const quint32 hash = quint32(qHash(lower));
            Slot& slot = m_slots[Probe(lower, hash)];
            if (slot.name < 0) {
                slot = Slot{hash, index};
            } else {
                const QStringView chosen = NameAt(slot.name);
                m_caseVariants.insert(qMax(QStringView(name), chosen).toString());
                if (QStringView(name) < chosen)
                    slot.name = index;
            }
        }
    }

    qsizetype Size() const { return qsizetype(m_names.size()); }

    // The component as written when it exists, else the entry of the same
    // name in another case; null when there is none.
    QString Find(const QString& component) const
    {
        const QString lower = TextCase::Lower(component);
        const Slot& slot = m_slots[Probe(lower, quint32(qHash(lower)))];
        if (slot.name < 0)
            return QString();
        const QStringView chosen = NameAt(slot.name);
        if (chosen == component || m_caseVariants.contains(component))
            return component;
        return chosen.toString();
    }

private:
    struct Name {
        qint32 offset;
        qint32 length;
    };
    struct Slot {
        quint32 hash;
        qint32 name;   // index into m_names; -1: empty
    };

    QStringView NameAt(qint32 index) const
    {
        const Name& name = m_names[size_t(index)];
        return QStringView(m_text).mid(name.offset, name.length);
    }

    // The slot of the names whose lower case is lower, or the empty slot where they belong.
    size_t Probe(const QString& lower, quint32 hash) const
    {
        for (size_t i = hash & m_mask;; i = (i + 1) & m_mask) {
            const Slot& slot = m_slots[i];
            if (slot.name < 0 || (slot.hash == hash && TextCase::Lower(NameAt(slot.name)) == lower))
                return i;
        }
    }

    QString m_text;
    std::vector<Name> m_names;
    std::vector<Slot> m_slots;
    size_t m_mask = 0;
    QSet<QString> m_caseVariants;   // the other names where several differ only in case
};
using ListingPtr = std::shared_ptr<const Listing>;

// A directory path resolved once: its native form and whether every
// component was found (and with it the directory's listing, read on demand).
struct ResolvedDir {
    QString native;
    bool found = true;
    ListingPtr listing;
};

// Names of directory listings kept at most by one cache. Bounded by names,
// not listings: a deep chain of small directories must stay cached while its
// own paths are resolved.
constexpr qsizetype kMaxNames = 65536;

} // namespace

struct LookupCache::Contents {
    qint64 asWrittenFound = 0;    // paths opened as written with this cache
    qint64 asWrittenMissed = 0;   // and tried in vain
    QHash<QString, ListingPtr> listings;  // native directory -> its listing
    qsizetype names = 0;                  // entries of all those listings
    QHash<QString, ResolvedDir> dirs;     // root + NUL + components -> resolved directory
};

LookupCache::LookupCache() : m_contents(std::make_unique<Contents>()) {}

LookupCache::~LookupCache() = default;

void LookupCache::Clear()
{
    *m_contents = Contents();
}

namespace {

ListingPtr ReadListing(const QString& nativeDir)
{
    QStringList names;
    NativeDirectory::ReadNames(nativeDir.isEmpty() ? QStringLiteral(".") : nativeDir, names);
    return std::make_shared<const Listing>(names);
}

ListingPtr CachedListing(LookupCache::Contents& cache, const QString& nativeDir)
{
    auto it = cache.listings.constFind(nativeDir);
    if (it == cache.listings.cend()) {
        it = cache.listings.insert(nativeDir, ReadListing(nativeDir));
        cache.names += (*it)->Size();
    }
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
QString FindComponent(LookupCache* cache, ResolvedDir& dir, const QString& component)
{
    if (cache) {
        if (!dir.listing)
            dir.listing = CachedListing(cache->Get(), dir.native);
        return dir.listing->Find(component);
    }
    if (NativeDirectory::EntryExists(JoinNative(dir.native, component)))
        return component;
    return ReadListing(dir.native)->Find(component);
}

void Descend(LookupCache* cache, ResolvedDir& dir, const QString& component)
{
    QString name = component;
    if (dir.found && component != QLatin1String("..")) {
        const QString onDisk = FindComponent(cache, dir, component);
        dir.found = !onDisk.isNull();
        if (dir.found)
            name = onDisk;
    }
    dir.native = JoinNative(dir.native, name);
    dir.listing.reset();
}

ResolvedDir ResolveDir(LookupCache* cache, const QString& nativeRoot, const QStringList& components,
                       qsizetype count)
{
    ResolvedDir dir{nativeRoot, true, nullptr};
    for (qsizetype i = 0; i < count; ++i)
        Descend(cache, dir, components.at(i));
    return dir;
}

// The directory part of a path, resolved once per cache: the files of one
// directory then cost a single hash lookup for all their parents. The key is
// the root, a NUL and every component of the directory followed by '\\';
// the components are split off only when the directory is new.
ResolvedDir& CachedParent(LookupCache& cache, const QString& nativeRoot, QStringView joinedDir,
                          const std::function<QStringList()>& components)
{
    QString key;
    key.reserve(nativeRoot.size() + joinedDir.size() + 2);
    key += nativeRoot;
    key += QChar(0);
    if (!joinedDir.isEmpty()) {
        key += joinedDir;
        key += QLatin1Char('\\');
    }
    LookupCache::Contents& contents = cache.Get();
    // A search that opens a file in every model directory would otherwise
    // keep the names of the whole installation: past a bound the cache starts
    // afresh. Nothing refers into it here, between two look-ups.
    if (contents.names >= kMaxNames) {
        contents.listings.clear();
        contents.dirs.clear();
        contents.names = 0;
    }
    auto it = contents.dirs.find(key);
    if (it == contents.dirs.end()) {
        const QStringList parts = components();
        it = contents.dirs.insert(key, ResolveDir(&cache, nativeRoot, parts, parts.size()));
    }
    return *it;
}

// The file in a directory resolved before; the directory keeps its listing
// for the next file.
QString ResolveIn(LookupCache& cache, ResolvedDir& dir, const QString& name)
{
    if (dir.found && !dir.listing)
        dir.listing = CachedListing(cache.Get(), dir.native);
    ResolvedDir file = dir;
    Descend(&cache, file, name);
    return file.native;
}

} // namespace

namespace CaseInsensitiveLookup {

QString Resolve(const QString& nativeRoot, const QStringList& components, LookupCache* cache)
{
    if (components.isEmpty())
        return nativeRoot;
    if (!cache)
        return ResolveDir(nullptr, nativeRoot, components, components.size()).native;
    const QStringList dirParts = components.mid(0, components.size() - 1);
    ResolvedDir& dir =
        CachedParent(*cache, nativeRoot, dirParts.join(QLatin1Char('\\')), [&dirParts] { return dirParts; });
    return ResolveIn(*cache, dir, components.last());
}

// A try costs one failing system call; a look-up with a cache mostly none.
// Trying goes on while at least one in five tries succeeds.
bool WorthTryingAsWritten(LookupCache* cache)
{
    if (!cache)
        return true;
    const LookupCache::Contents& contents = cache->Get();
    return contents.asWrittenMissed < 16 + 4 * contents.asWrittenFound;
}

void NoteAsWritten(LookupCache* cache, bool found)
{
    if (cache)
        ++(found ? cache->Get().asWrittenFound : cache->Get().asWrittenMissed);
}

QString ResolveJoined(const QString& nativeRoot, QStringView joined, LookupCache* cache)
{
    if (joined.isEmpty())
        return nativeRoot;
    if (!cache)
        return Resolve(nativeRoot, joined.toString().split(QLatin1Char('\\')), nullptr);
    const qsizetype cut = joined.lastIndexOf(QLatin1Char('\\'));
    const QStringView joinedDir = cut < 0 ? QStringView() : joined.left(cut);
    ResolvedDir& dir = CachedParent(*cache, nativeRoot, joinedDir, [joinedDir] {
        return joinedDir.isEmpty() ? QStringList() : joinedDir.toString().split(QLatin1Char('\\'));
    });
    return ResolveIn(*cache, dir, joined.mid(cut + 1).toString());
}

} // namespace CaseInsensitiveLookup
