#pragma once

#include <QString>
#include <QStringList>

// The program's command line as one string, and the names in it.
namespace CommandLine {

// Splits as start-up does: names separated by spaces, a name with spaces in
// double quotes; an unclosed quote ends the list.
QStringList SplitNames(const QString& commandLine);

// Rebuilds the one string from arguments that arrived already split: each
// argument converted to Windows form (relative ones against the current
// directory), quoted when it holds a space, joined by spaces. An empty
// argument becomes "" (two quotes); blank ones are kept as they are, so that a
// blank command line stays blank.
QString JoinArguments(const QStringList& nativeArguments);

} // namespace CommandLine
