#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class LookupCache;

// Finds the native path of Windows-form components below a native directory:
// each component is taken as written when it exists, else the entry whose
// name equals it case-insensitively. With a cache, directory listings and
// resolved directories are kept in it and reused; without one (nullptr),
// nothing is kept.
namespace CaseInsensitiveLookup {

// The components are plain names and ".." (kept as they are). From the first
// component that cannot be found on, the rest stays as written. An empty
// nativeRoot means the current directory (the result stays relative).
QString Resolve(const QString& nativeRoot, const QStringList& components, LookupCache* cache);

// The same for components joined by '\\' (none of them empty, "." or ".."):
// with a cache the path is split only for a directory not seen before.
QString ResolveJoined(const QString& nativeRoot, QStringView joined, LookupCache* cache);

// Whether opening a path as written, before looking it up, still pays with
// this cache, and the outcome of such a try. Without a cache it always does.
bool WorthTryingAsWritten(LookupCache* cache);
void NoteAsWritten(LookupCache* cache, bool found);

} // namespace CaseInsensitiveLookup
