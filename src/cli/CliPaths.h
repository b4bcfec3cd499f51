#pragma once

#include <QString>

// Paths from the command line, turned into the Windows form the program works
// with. An argument may be native ("/home/u/eep/Resourcen", "Haus.gsb"),
// already in Windows form ("C:\EEP6\Resourcen") or, for model files, relative
// to the resource directory as the result lists show them ("\immobilien\x.gsb").
namespace CliPaths {

// True for "X:\...", "X:/..." and "\\server\...".
bool IsWindowsForm(const QString& argument);

// The Windows form of a file or directory argument; a path beginning with a
// single "\" is taken below resBase.
QString ToProgramPath(const QString& argument, const QString& resBase = QString());

// The resource directory as --resbase gives it, in Windows form without a
// trailing separator (a drive root keeps its "\").
QString ResBaseFromArgument(const QString& argument);

} // namespace CliPaths
