#pragma once

#include <QString>

// The title under which the side windows show a model: its display name from
// its own ini file in the category language of nameKey, or, when there is none
// (no ini file, no usable name entry), the gsb path from its last backslash
// on ("\Lok.gsb").
QString ModelCaption(const QString& gsbName, const QString& nameKey);
