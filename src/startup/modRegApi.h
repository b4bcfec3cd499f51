#pragma once

#include "platform/Registry.h"

#include <QString>

// The REG_SZ value, or an empty string for anything else.
QString RegReadString(RegHive hive, const QString& keyPath, const QString& valueName);

// EEP's "Resourcen" directory: HKEY_CLASSES_ROOT\Software\Software Untergrund\EEXP,
// value "ResBase". An override set with SetResBaseOverride wins on every
// system; outside Windows the environment variable KLUNI_RESBASE (native or
// Windows form) takes precedence over the Wine registry.
QString GetResBase();

// Names the "Resourcen" directory instead of the registry (the command-line
// tool's --resbase). An empty path removes the override.
void SetResBaseOverride(const QString& windowsPath);
