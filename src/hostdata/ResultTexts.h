#pragma once

#include <QString>
#include <QtGlobal>

class CModels;

// Where a result list came from; picks the nothing-found text.
enum class ListSource : qint32 { StartParams = 0, Dropped = 1, Name = 2, Date = 3 };

namespace ResultTexts {

// "1 Modell", "2 Modelle".
QString CountText(qint32 count);
// The nothing-found notice for a list source (expanded; begins with an empty line).
QString NothingFoundText(qint32 listSource);
// gsb name, " -- ", path.
QString RowText(const CModels& models, qint32 index);
// The clipboard text of the whole catalogue: heading, then one line per
// record, no final line break. Linear in the number of records.
QString ClipboardText(const CModels& models);

} // namespace ResultTexts
