#pragma once

#include <QString>

// The per-user settings store ("Kluni"): window places as decimal text,
// addressed by section and key. A missing or unreadable store reads as empty.
namespace SettingsStore {

// The stored text, or nothing (isNull()) when there is none.
QString Load(const QString& section, const QString& key);
void Store(const QString& section, const QString& key, const QString& value);

// Points the store at another ini file (tests); an empty path restores the
// user's own store.
void RedirectTo(const QString& iniFilePath);

} // namespace SettingsStore
