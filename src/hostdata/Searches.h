#pragma once

#include "hostdata/ModelRecord.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class CModels;

// The steps that fill the catalogue, without any window: the main window wraps
// them with its cursor, list and messages; the command-line tool calls them
// directly. SearchState().gbExtend (gMod outside a search context) decides
// whether the catalogue is replaced or extended.
namespace Searches {

// The scan roots of the date search below gtResBase, in order.
const QStringList& DateSearchRoots();

// Name search: resets the ini problem lists, takes gtSearchNameKey, then
// FilterModels and RemoveDups(glPrevCount). False when "Models.ini" could not
// be read (the catalogue then holds what FilterModels left).
bool ByName(CModels& models, qint16 oper, const QString& text, NameSource source);

// Date search over the six roots with SetSection / RemoveDups.
void ByDate(CModels& models, const QDate& from, const QDate& to);

// Dropped files and directories (with SetSection / RemoveDups from glPrevCount).
void Dropped(CModels& models, const QStringList& windowsPaths);

// Start parameters: scan, then SetSection(0) when anything was found.
void StartParams(CModels& models, const QStringList& windowsPaths);

} // namespace Searches
