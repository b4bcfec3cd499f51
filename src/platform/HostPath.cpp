#include "platform/HostPath.h"

#include "platform/NativeDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

// A directory's names, for finding a component whatever its case.
struct Listing {
    QSet<QString> names;
    QHash<QString, QString> byLowerName;  // lower-cased name -> name on disk
};

struct PathState {
    bool tableBuilt = false;
    QVector<HostPath::DriveMapping> table;
    int cacheDepth = 0;
    QHash<QString, Listing> cache;  // native directory -> its listing
};

PathState& State()
{
    static PathState state;
    return state;
}

#ifdef Q_OS_WIN

// On Windows both forms are the same; there is no drive table.
QVector<HostPath::DriveMapping> BuildDriveTable()
{
    return {};
}

QString HostToNative(const QString& windowsPath)
{
    return windowsPath;
}

QString HostToWindows(const QString& nativePath)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(nativePath)));
}

#else

Listing ReadListing(const QString& nativeDir)
{
    QStringList names;
    NativeDirectory::ReadNames(nativeDir, names);
    // Sorted, and filled from the back, so that of several names that differ
    // only in case the same one wins every time.
    std::sort(names.begin(), names.end());
    Listing listing;
    listing.names = QSet<QString>(names.cbegin(), names.cend());
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        listing.byLowerName.insert(it->toLower(), *it);
    return listing;
}

QString JoinNative(const QString& dir, const QString& name)
{
    if (dir.isEmpty())
        return name;
    if (dir.endsWith(QLatin1Char('/')))
        return dir + name;
    return dir + QLatin1Char('/') + name;
}

// The name on disk of a component of nativeDir, matched exactly or else
// case-insensitively; a null string when there is none.
QString FindComponent(const QString& nativeDir, const QString& component)
{
    PathState& state = State();
    const QString dirKey = nativeDir.isEmpty() ? QStringLiteral(".") : nativeDir;
    if (state.cacheDepth > 0) {
        auto it = state.cache.find(dirKey);
        if (it == state.cache.end())
            it = state.cache.insert(dirKey, ReadListing(dirKey));
        if (it->names.contains(component))
            return component;
        return it->byLowerName.value(component.toLower());
    }
    if (NativeDirectory::EntryExists(JoinNative(nativeDir, component)))
        return component;
    return ReadListing(dirKey).byLowerName.value(component.toLower());
}

// Resolves "." and ".." without touching the disk, as Windows does: ".." at
// the root stays at the root; in a relative path leading ".." are kept.
QStringList NormalizeComponents(const QString& rest, bool rooted)
{
    QStringList out;
    const QStringList parts = rest.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!out.isEmpty() && out.last() != QLatin1String(".."))
                out.removeLast();
            else if (!rooted)
                out.push_back(part);
            continue;
        }
        out.push_back(part);
    }
    return out;
}

QString ResolveBelow(const QString& nativeRoot, const QStringList& components)
{
    QString current = nativeRoot;
    bool found = true;
    for (const QString& component : components) {
        QString name = component;
        if (found && component != QLatin1String("..")) {
            const QString onDisk = FindComponent(current, component);
            found = !onDisk.isNull();
            if (found)
                name = onDisk;
        }
        current = JoinNative(current, name);
    }
    return current;
}

QString NativeRootOf(QChar drive)
{
    const QChar upper = drive.toUpper();
    for (const HostPath::DriveMapping& mapping : HostPath::DriveTable()) {
        if (mapping.drive == upper)
            return mapping.nativeRoot;
    }
    return QString();
}

bool IsUnderRoot(const QString& path, const QString& root)
{
    if (root == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == root || (path.startsWith(root) && path.at(root.size()) == QLatin1Char('/'));
}


QString CleanRoot(const QString& path)
{
    QString clean = QDir::cleanPath(path);
    while (clean.size() > 1 && clean.endsWith(QLatin1Char('/')))
        clean.chop(1);
    return clean;
}

// The drives of the Wine prefix (dosdevices/c: -> ../drive_c, ...), and Z: -> /
// when the prefix does not define Z: itself.
QVector<HostPath::DriveMapping> BuildDriveTable()
{
    QVector<HostPath::DriveMapping> table;
    const QString dosdevices = HostPath::WinePrefixDir() + QStringLiteral("/dosdevices");
    static const QRegularExpression driveName(QStringLiteral("^[A-Za-z]:$"));
    const QStringList names =
        QDir(dosdevices).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (!driveName.match(name).hasMatch())
            continue;
        const QFileInfo link(dosdevices + QLatin1Char('/') + name);
        const QString target = link.isSymLink() ? link.symLinkTarget() : link.absoluteFilePath();
        if (!target.isEmpty())
            table.push_back({name.at(0).toUpper(), CleanRoot(target)});
    }
    const bool hasZ = std::any_of(table.cbegin(), table.cend(),
                                  [](const HostPath::DriveMapping& m) { return m.drive == QLatin1Char('Z'); });
    if (!hasZ)
        table.push_back({QLatin1Char('Z'), QStringLiteral("/")});
    std::sort(table.begin(), table.end(),
              [](const HostPath::DriveMapping& a, const HostPath::DriveMapping& b) { return a.drive < b.drive; });
    return table;
}

QString CurrentDriveRoot();

QString HostToNative(const QString& windowsPath)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (path.startsWith(QLatin1String("\\\\")))
        return QString();  // network path
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':')) {
        const QString root = NativeRootOf(path.at(0));
        if (root.isEmpty())
            return QString();
        return ResolveBelow(root, NormalizeComponents(path.mid(2), true));
    }
    if (path.startsWith(QLatin1Char('\\')))
        return ResolveBelow(CurrentDriveRoot(), NormalizeComponents(path, true));
    return ResolveBelow(QString(), NormalizeComponents(path, false));
}

// The drive mapping whose root is the longest prefix of path; -1 for none.
int BestMapping(const QVector<HostPath::DriveMapping>& table, const QString& path, int* rootLength)
{
    int best = -1;
    for (int i = 0; i < table.size(); ++i) {
        const QString& root = table.at(i).nativeRoot;
        if (IsUnderRoot(path, root) && root.size() > *rootLength) {
            best = i;
            *rootLength = root.size();
        }
    }
    return best;
}

QString HostToWindows(const QString& nativePath)
{
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(nativePath));
    QStringList candidates{absolute};
    const QString canonical = QFileInfo(absolute).canonicalFilePath();
    if (!canonical.isEmpty() && canonical != absolute)
        candidates.push_back(canonical);

    const QVector<HostPath::DriveMapping> table = HostPath::DriveTable();
    int rootLength = -1;
    int best = -1;
    QString chosen = absolute;
    for (const QString& candidate : candidates) {
        const int found = BestMapping(table, candidate, &rootLength);
        if (found >= 0) {
            best = found;
            chosen = candidate;
        }
    }
    if (best < 0)
        return QString(absolute).replace(QLatin1Char('/'), QLatin1Char('\\'));

    QString rest = chosen.mid(table.at(best).nativeRoot.size());
    if (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QString(table.at(best).drive) + QStringLiteral(":\\") + rest;
}

QString CurrentDriveRoot()
{
    const QString current = HostToWindows(QDir::currentPath());
    const QString root = current.size() >= 2 && current.at(1) == QLatin1Char(':') ? NativeRootOf(current.at(0))
                                                                                   : QString();
    return root.isEmpty() ? QStringLiteral("/") : root;
}

#endif

} // namespace

namespace HostPath {

QString WinePrefixDir()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : QDir::cleanPath(prefix);
}

QVector<DriveMapping> DriveTable()
{
    PathState& state = State();
    if (!state.tableBuilt) {
        state.table = BuildDriveTable();
        state.tableBuilt = true;
    }
    return state.table;
}

void SetDriveTable(const QVector<DriveMapping>& table)
{
    PathState& state = State();
    state.table = table;
    for (DriveMapping& mapping : state.table)
        mapping.drive = mapping.drive.toUpper();
    state.tableBuilt = !table.isEmpty();
    state.cache.clear();
}

QString ToNative(const QString& windowsPath)
{
    if (windowsPath.isEmpty())
        return QString();
    return HostToNative(windowsPath);
}

QString ToWindows(const QString& nativePath)
{
    if (nativePath.isEmpty())
        return QString();
    return HostToWindows(nativePath);
}

} // namespace HostPath

LookupCacheScope::LookupCacheScope()
{
    ++State().cacheDepth;
}

LookupCacheScope::~LookupCacheScope()
{
    PathState& state = State();
    if (--state.cacheDepth == 0)
        state.cache.clear();
}
