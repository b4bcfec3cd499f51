#include "platform/HostPath.h"

#include "platform/CaseInsensitiveLookup.h"
#include "platform/ReadOnlyFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <memory>
#include <mutex>

namespace {

using DriveTablePtr = std::shared_ptr<const QVector<HostPath::DriveMapping>>;

QVector<HostPath::DriveMapping> BuildDriveTable();

// The drive table: built from the environment once, on first use, and
// replaced only by tests. A reader takes the table in force under the lock
// and keeps it while it uses it, so that a replacement never changes a table
// that another thread is reading.
struct DriveTableStore {
    std::mutex mutex;
    DriveTablePtr table;
};

DriveTableStore& Store()
{
    static DriveTableStore store;
    return store;
}

DriveTablePtr CurrentTable()
{
    DriveTableStore& store = Store();
    const std::lock_guard<std::mutex> lock(store.mutex);
    if (!store.table)
        store.table = std::make_shared<const QVector<HostPath::DriveMapping>>(BuildDriveTable());
    return store.table;
}

#ifdef Q_OS_WIN

// On Windows both forms are the same; there is no drive table.
QVector<HostPath::DriveMapping> BuildDriveTable()
{
    return {};
}

QString HostToNative(const QString& windowsPath, LookupCache*)
{
    return windowsPath;
}

QString HostToNativeAsWritten(const QString& windowsPath)
{
    return windowsPath;
}

QString HostToWindows(const QString& nativePath)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(nativePath)));
}

#else

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

QString NativeRootOf(QChar drive)
{
    const QChar upper = drive.toUpper();
    const DriveTablePtr table = CurrentTable();
    for (const HostPath::DriveMapping& mapping : *table) {
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

// The components of a rooted path joined by single backslashes, when none of
// them needs normalising (empty, "." or ".."): most paths are like that, and
// they need not be split into a list at all.
bool PlainJoined(QStringView rest, QStringView& joined)
{
    while (!rest.isEmpty() && rest.front() == QLatin1Char('\\'))
        rest = rest.mid(1);
    while (!rest.isEmpty() && rest.back() == QLatin1Char('\\'))
        rest.chop(1);
    // One pass over the characters (this runs for every file opened).
    const char16_t* p = rest.utf16();
    const char16_t* const end = p + rest.size();
    const char16_t* start = p;
    for (;; ++p) {
        if (p != end && *p != u'\\')
            continue;
        const qsizetype length = p - start;
        if (length == 0)
            return false;   // no component at all, or an empty one
        if (length <= 2 && start[0] == u'.' && p[-1] == u'.')
            return false;   // "." or ".."
        if (p == end)
            break;
        start = p + 1;
    }
    joined = rest;
    return true;
}

QString AsWrittenRooted(const QString& root, QStringView rest)
{
    QStringView joined;
    if (!PlainJoined(rest, joined))
        return QString();
    if (joined.isEmpty())
        return root;
    QString native = root;
    if (!native.endsWith(QLatin1Char('/')))
        native += QLatin1Char('/');
    const qsizetype start = native.size();
    native += joined;
    for (char16_t* c = reinterpret_cast<char16_t*>(native.data()) + start, *end = c + joined.size(); c != end; ++c) {
        if (*c == u'\\')
            *c = u'/';
    }
    return native;
}

QString HostToNativeAsWritten(const QString& windowsPath)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (path.size() < 2 || path.at(1) != QLatin1Char(':'))
        return QString();
    const QString root = NativeRootOf(path.at(0));
    return root.isEmpty() ? QString() : AsWrittenRooted(root, QStringView(path).mid(2));
}

QString ResolveRooted(const QString& root, QStringView rest, LookupCache* cache)
{
    QStringView joined;
    if (PlainJoined(rest, joined))
        return CaseInsensitiveLookup::ResolveJoined(root, joined, cache);
    return CaseInsensitiveLookup::Resolve(root, NormalizeComponents(rest.toString(), true), cache);
}

QString HostToNative(const QString& windowsPath, LookupCache* cache)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (path.startsWith(QLatin1String("\\\\")))
        return QString();  // network path
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':')) {
        const QString root = NativeRootOf(path.at(0));
        if (root.isEmpty())
            return QString();
        return ResolveRooted(root, QStringView(path).mid(2), cache);
    }
    if (path.startsWith(QLatin1Char('\\')))
        return ResolveRooted(CurrentDriveRoot(), path, cache);
    return CaseInsensitiveLookup::Resolve(QString(), NormalizeComponents(path, false), cache);
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

bool HasDeeperRootThanSlash(const QVector<HostPath::DriveMapping>& table)
{
    return std::any_of(table.cbegin(), table.cend(),
                       [](const HostPath::DriveMapping& m) { return m.nativeRoot != QLatin1String("/"); });
}

QString HostToWindows(const QString& nativePath)
{
    const QVector<HostPath::DriveMapping> table = *CurrentTable();
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(nativePath));
    QString chosen = absolute;
    int rootLength = -1;
    int best = BestMapping(table, absolute, &rootLength);
    // Only "/" (or nothing) matched: the path may reach a drive through a
    // symbolic link (~/.wine/dosdevices/c:/...), so try its resolved form too.
    if (rootLength <= 1 && HasDeeperRootThanSlash(table)) {
        const QString canonical = QFileInfo(absolute).canonicalFilePath();
        if (!canonical.isEmpty() && canonical != absolute) {
            const int found = BestMapping(table, canonical, &rootLength);
            if (found >= 0) {
                best = found;
                chosen = canonical;
            }
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
    return *CurrentTable();
}

void SetDriveTable(const QVector<DriveMapping>& table)
{
    QVector<DriveMapping> upper = table;
    for (DriveMapping& mapping : upper)
        mapping.drive = mapping.drive.toUpper();
    DriveTableStore& store = Store();
    const std::lock_guard<std::mutex> lock(store.mutex);
    store.table = table.isEmpty() ? nullptr : std::make_shared<const QVector<DriveMapping>>(std::move(upper));
}

QString ToNative(const QString& windowsPath, LookupCache* cache)
{
    if (windowsPath.isEmpty())
        return QString();
    return HostToNative(windowsPath, cache);
}

QString ToNativeAsWritten(const QString& windowsPath)
{
    if (windowsPath.isEmpty())
        return QString();
    return HostToNativeAsWritten(windowsPath);
}

bool OpenReadOnly(const QString& windowsPath, ReadOnlyFile& file, LookupCache* cache)
{
    if (CaseInsensitiveLookup::WorthTryingAsWritten(cache)) {
        const QString asWritten = ToNativeAsWritten(windowsPath);
        const bool opened = !asWritten.isEmpty() && file.Open(asWritten);
        CaseInsensitiveLookup::NoteAsWritten(cache, opened);
        if (opened)
            return true;
    }
    return file.Open(ToNative(windowsPath, cache));
}

QString ToWindows(const QString& nativePath)
{
    if (nativePath.isEmpty())
        return QString();
    return HostToWindows(nativePath);
}

} // namespace HostPath
