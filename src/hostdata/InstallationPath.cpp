#include "hostdata/InstallationPath.h"

#include "platform/HostPath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QChar kBackslash = QLatin1Char('\\');
const QChar kSlash = QLatin1Char('/');

// "X:\" at the start: a path with a drive, the only kind that can lead into
// the installation.
bool HasDrive(const QString& windowsPath)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:\\\\"));
    return drive.match(windowsPath).hasMatch();
}

// Native paths are compared with '/' separators and without "." or "..".
QString Comparable(const QString& native)
{
    return native.isEmpty() ? native : QDir::cleanPath(QDir::fromNativeSeparators(native));
}

// The first count parts joined; the root alone keeps its separator ("/", "C:\").
QString Prefix(const QStringList& parts, qsizetype count, QChar separator)
{
    const QString prefix = parts.mid(0, count).join(separator);
    return prefix.contains(separator) ? prefix : prefix + separator;
}

QString JoinWindows(const QString& base, const QString& rest)
{
    if (rest.isEmpty())
        return base;
    if (base.endsWith(kBackslash))
        return base + rest;
    return base + kBackslash + rest;
}

// The directory above a Windows path; the drive's root has none.
QString WindowsParent(const QString& path)
{
    const qsizetype cut = path.lastIndexOf(kBackslash);
    return cut <= 2 ? path.left(3) : path.left(cut);
}

} // namespace

InstallationPath::InstallationPath(const QString& resBase)
{
    if (!HasDrive(resBase))
        return;
    QString windows = resBase;
    while (windows.size() > 3 && windows.endsWith(kBackslash))
        windows.chop(1);
    for (;;) {
        const QString native = Comparable(HostPath::ToNative(windows));
        if (native.isEmpty())
            break;   // a drive this system does not know
        m_places.append({windows, native, Canonical(native)});
        if (windows.size() <= 3)
            break;
        windows = WindowsParent(windows);
    }
}

QString InstallationPath::FromNative(const QString& nativePath) const
{
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(QDir::fromNativeSeparators(nativePath)));
    const QStringList parts = absolute.split(kSlash);
    const QString rewritten = Rewrite(parts, [&parts](qsizetype count) { return Prefix(parts, count, kSlash); });
    return rewritten.isEmpty() ? HostPath::ToWindows(nativePath) : rewritten;
}

QString InstallationPath::Recognise(const QString& windowsPath) const
{
    if (!HasDrive(windowsPath))
        return windowsPath;
    const QStringList parts = windowsPath.split(kBackslash);
    const QString rewritten = Rewrite(parts, [&parts](qsizetype count) {
        return Comparable(HostPath::ToNative(Prefix(parts, count, kBackslash)));
    });
    return rewritten.isEmpty() ? windowsPath : rewritten;
}

QString InstallationPath::Rewrite(const QStringList& parts, const NativeOfPrefix& nativeOf) const
{
    if (m_places.isEmpty())
        return QString();
    const Place& resources = m_places.first();
    const auto rest = [&parts](qsizetype count) { return parts.mid(count).join(kBackslash); };

    // The usual case, cheaply: the path runs literally through the resource directory.
    for (qsizetype count = parts.size(); count >= 1; --count) {
        if (nativeOf(count) == resources.native)
            return JoinWindows(resources.windows, rest(count));
    }
    // Through a link to the resource directory or into it. The shallowest such
    // prefix keeps most of the path's own spelling.
    for (qsizetype count = 1; count <= parts.size(); ++count) {
        const std::optional<QString> below = Below(Canonical(nativeOf(count)), resources.canonical);
        if (below)
            return JoinWindows(JoinWindows(resources.windows, *below), rest(count));
    }
    // A directory above the resource directory, the deepest first.
    for (qsizetype count = parts.size(); count >= 1; --count) {
        const int place = AncestorOf(nativeOf(count));
        if (place > 0)
            return JoinWindows(m_places.at(place).windows, rest(count));
    }
    return QString();
}

std::optional<QString> InstallationPath::Below(const QString& canonical, const QString& root)
{
    if (canonical.isEmpty() || root.isEmpty())
        return std::nullopt;
    if (canonical == root)
        return QString();
    const QString inside = root.endsWith(kSlash) ? root : root + kSlash;
    if (!canonical.startsWith(inside))
        return std::nullopt;
    return canonical.mid(inside.size()).replace(kSlash, kBackslash);
}

int InstallationPath::AncestorOf(const QString& native) const
{
    if (native.isEmpty())
        return -1;
    for (int i = 1; i < m_places.size(); ++i) {
        if (native == m_places.at(i).native)
            return i;
    }
    const QString canonical = Canonical(native);
    for (int i = 1; i < m_places.size(); ++i) {
        if (!canonical.isEmpty() && canonical == m_places.at(i).canonical)
            return i;
    }
    return -1;
}

QString InstallationPath::Canonical(const QString& native) const
{
    if (native.isEmpty())
        return QString();
    const auto known = m_canonical.constFind(native);
    if (known != m_canonical.constEnd())
        return known.value();
    const QString canonical = QFileInfo(native).canonicalFilePath();
    m_canonical.insert(native, canonical);
    return canonical;
}
