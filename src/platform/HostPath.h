#pragma once

#include <QChar>
#include <QString>
#include <QVector>

class LookupCache;
class ReadOnlyFile;

// Translation between the Windows form of a path that the whole program works
// with ("C:\EEP6\Resourcen\Immobilien", backslashes, drive letters) and the
// native form of the host system. On Windows both forms are the same.
//
// Elsewhere a drive table maps drive letters to native directories: the drives
// of the Wine prefix ($WINEPREFIX, else ~/.wine: dosdevices/c: -> drive_c, ...)
// and Z: -> "/" when the prefix does not define Z: itself.
namespace HostPath {

struct DriveMapping {
    QChar drive;        // upper-case letter
    QString nativeRoot; // absolute native directory, no trailing '/' (except "/")
};

// The Wine prefix whose drives and registry are used: $WINEPREFIX, else ~/.wine.
QString WinePrefixDir();

// The drive table in use; built from the environment once, on first use, by
// whichever thread asks first.
QVector<DriveMapping> DriveTable();
// Replaces the drive table (tests); an empty table rebuilds it from the
// environment on its next use. Safe while other threads translate paths:
// they finish with the table they took.
void SetDriveTable(const QVector<DriveMapping>& table);

// Windows form -> native form, ready for file access. '\' becomes '/', the
// drive maps through the table, "." and ".." are resolved, and every component
// that does not exist as written is looked up case-insensitively. Components
// that cannot be found stay as written. A relative Windows path stays relative;
// a rooted one without drive ("\dir") takes the drive of the current directory.
// A network path ("\\server\share\...") and a drive missing from the table
// map to nothing: the result is an empty string. The look-ups reuse and fill
// the cache when one is given.
QString ToNative(const QString& windowsPath, LookupCache* cache = nullptr);

// The native form of a path as written: the drive mapped and the separators
// turned, no component looked up. Empty when the path needs more than that
// ("." or ".." in it, no drive, a network path). Where it names an existing
// entry, ToNative gives the same.
QString ToNativeAsWritten(const QString& windowsPath);

// Opens the ordinary file that a Windows-form path names, as ToNative finds
// it. The path is first tried as written: most paths name their files in the
// case on disk, and opening one that way spares the look-up of its
// components. With a cache that stops once paths as written keep failing (an
// operation that lower-cased its paths).
bool OpenReadOnly(const QString& windowsPath, ReadOnlyFile& file, LookupCache* cache = nullptr);

// Native form -> Windows form through the drive table (longest matching root
// wins). A relative native path is taken against the current directory.
QString ToWindows(const QString& nativePath);

} // namespace HostPath
