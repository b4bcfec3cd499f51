#pragma once

#include "hostdata/ModelRecord.h"
#include "hostdata/SearchInput.h"
#include "hostdata/SearchOutput.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class SearchProgress;

// The searches that fill the catalogue, without any window: each is a
// function of its input, reporting to progress and ending early (throwing
// SearchStopped) when progress is asked to stop. The main window runs them
// beside itself and takes the output over; the command-line tool calls them
// directly. Without gbExtend a search starts from an empty catalogue.
namespace Searches {

// The scan roots of the date search below gtResBase, in order.
const QStringList& DateSearchRoots();

// Name search: takes gtSearchNameKey, then FilterModels and
// RemoveDups(glPrevCount). result is false when "Models.ini" could not be
// read (the catalogue then holds what FilterModels left).
SearchOutput ByName(SearchInput input, SearchProgress& progress, qint16 oper, const QString& text,
                    NameSource source);

// Date search over the six roots with SetSection / RemoveDups.
SearchOutput ByDate(SearchInput input, SearchProgress& progress, const QDate& from, const QDate& to);

// Dropped files and directories (with SetSection / RemoveDups from glPrevCount).
SearchOutput Dropped(SearchInput input, SearchProgress& progress, const QStringList& windowsPaths);

// Start parameters: scan into the catalogue as it is, then SetSection(0)
// when anything was found.
SearchOutput StartParams(SearchInput input, SearchProgress& progress, const QStringList& windowsPaths);

} // namespace Searches
