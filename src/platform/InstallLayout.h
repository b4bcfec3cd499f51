#pragma once

#include <QString>

// Where the files that ship with the program lie.
namespace InstallLayout {

// The native folder that holds a documentation file (the handbook): the
// executable's own folder when the file lies there (build tree, Windows),
// else the documentation folder of an installation, found relative to the
// executable so that a moved installation still finds it.
QString DocumentationDir(const QString& fileName, const QString& executableDir);
// The same for the running program.
QString DocumentationDir(const QString& fileName);

} // namespace InstallLayout
