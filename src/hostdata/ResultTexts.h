#pragma once

#include <QString>
#include <QtGlobal>

class CModels;

// Where a result list came from; picks the nothing-found text.
enum class ListSource : qint32 { StartParams = 0, Dropped = 1, Name = 2, Date = 3 };

namespace ResultTexts {

// "1 Modell", "2 Modelle".
QString CountText(qint32 count);
// The ini problems window's count of files: "1 Datei", "0 Dateien".
QString FileCountText(qint32 count);
// The line after a list cut at 100 files, with an empty line before it and a
// line break after it: "sowie 150 weitere ini-Datei(en)".
QString MoreIniFilesText(qint32 count);
// The nothing-found notice for a list source (expanded; begins with an empty line).
QString NothingFoundText(qint32 listSource);
// The mod2 list's note on missing mod2 files ("1 mod2-Datei ist nicht vorhanden.").
QString Mod2MissingText(qint32 missing);
// The mod2 list's note when the gsb file does not exist.
QString NoGsbText();
// gsb name, " -- ", path.
QString RowText(const CModels& models, qint32 index);
// The clipboard text of the whole catalogue: heading, then one line per
// record, no final line break. Linear in the number of records.
QString ClipboardText(const CModels& models);

} // namespace ResultTexts
