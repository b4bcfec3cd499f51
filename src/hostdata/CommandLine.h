#pragma once

#include <QString>
#include <QStringList>

// The program's command line as one string, and the names in it.
namespace CommandLine {

// Splits as start-up does: names separated by spaces, a name with spaces in
// double quotes; an unclosed quote ends the list.
QStringList SplitNames(const QString& commandLine);

// The names of arguments that arrived already split, one name each, so that
// no name changes on the way (a name may hold spaces and quotes): each in
// Windows form, relative ones against the current directory; an empty
// argument stays an empty name.
QStringList NamesFromArguments(const QStringList& nativeArguments);

} // namespace CommandLine
