#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

enum class RegHive { ClassesRoot, CurrentUser, LocalMachine };

namespace Registry {

// True where a real registry exists (Windows); elsewhere the Wine prefix's
// registry files stand in for it.
bool IsNativeRegistry();

// The value of a REG_SZ value, cut at its first NUL; nothing for a missing
// key or value and for any other type. On Windows this is the real registry.
// Elsewhere the Wine prefix's files are read: HKEY_LOCAL_MACHINE is system.reg,
// HKEY_CURRENT_USER is user.reg, and HKEY_CLASSES_ROOT is Software\Classes in
// user.reg, then in system.reg (the user's classes win, as on Windows).
std::optional<QString> ReadString(RegHive hive, const QString& keyPath, const QString& valueName);

// Parses the text of a Wine registry file (system.reg) and returns the REG_SZ
// value named under the key, which is written with single backslashes here
// (e.g. "Software\Classes\Software\Software Untergrund\EEXP"). Key and value
// names compare case-insensitively, as Windows does. An empty value name means
// the key's default value ("@"). String values ("..." and hex(1):) count;
// str(2):, hex:, dword: and all other types give nothing.
std::optional<QString> FindWineString(const QByteArray& regFile, const QString& keyPath, const QString& valueName);

} // namespace Registry
