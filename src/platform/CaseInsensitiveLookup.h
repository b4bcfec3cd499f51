#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Finds the native path of Windows-form components below a native directory:
// each component is taken as written when it exists, else the entry whose
// name equals it case-insensitively. While a LookupCacheScope (HostPath.h)
// lives, directory listings and resolved directories are kept and reused.
namespace CaseInsensitiveLookup {

// The components are plain names and ".." (kept as they are). From the first
// component that cannot be found on, the rest stays as written. An empty
// nativeRoot means the current directory (the result stays relative).
QString Resolve(const QString& nativeRoot, const QStringList& components);

// The same for components joined by '\\' (none of them empty, "." or ".."):
// within a lookup scope the path is split only for a directory not seen before.
QString ResolveJoined(const QString& nativeRoot, QStringView joined);

// Whether opening a path as written, before looking it up, still pays in this
// lookup scope, and the outcome of such a try. Outside a scope it always does.
bool WorthTryingAsWritten();
void NoteAsWritten(bool found);

} // namespace CaseInsensitiveLookup
