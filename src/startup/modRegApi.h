#pragma once

#include "platform/Registry.h"

#include <QString>

// The REG_SZ value, or an empty string for anything else.
QString RegReadString(RegHive hive, const QString& keyPath, const QString& valueName);

// EEP's "Resourcen" directory: HKEY_CLASSES_ROOT\Software\Software Untergrund\EEXP,
// value "ResBase". Outside Windows the environment variable KLUNI_RESBASE
// (native or Windows form) takes precedence over the Wine registry.
QString GetResBase();
