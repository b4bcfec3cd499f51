#pragma once

#include <QString>
#include <QStringList>

// Finds the native path of Windows-form components below a native directory:
// each component is taken as written when it exists, else the entry whose
// name equals it case-insensitively. While a LookupCacheScope (HostPath.h)
// lives, directory listings and resolved directories are kept and reused.
namespace CaseInsensitiveLookup {

// The components are plain names and ".." (kept as they are). From the first
// component that cannot be found on, the rest stays as written. An empty
// nativeRoot means the current directory (the result stays relative).
QString Resolve(const QString& nativeRoot, const QStringList& components);

} // namespace CaseInsensitiveLookup
