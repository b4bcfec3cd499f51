#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

enum class RegHive { ClassesRoot, CurrentUser, LocalMachine };

namespace Registry {

// The value of a REG_SZ value, cut at its first NUL; nothing for a missing
// key or value and for any other type. On Windows this is the real registry.
// Elsewhere HKEY_CLASSES_ROOT is read from the Wine prefix's system.reg
// ([Software\\Classes\\...]); other hives give nothing.
std::optional<QString> ReadString(RegHive hive, const QString& keyPath, const QString& valueName);

// Parses the text of a Wine registry file (system.reg) and returns the REG_SZ
// value named under the key, which is written with single backslashes here
// (e.g. "Software\Classes\Software\Software Untergrund\EEXP"). Key and value
// names compare case-insensitively, as Windows does.
std::optional<QString> FindWineString(const QByteArray& regFile, const QString& keyPath, const QString& valueName);

} // namespace Registry
