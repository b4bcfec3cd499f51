#pragma once

#include <QString>
#include <QStringView>

// Lower and upper case exactly as QString::toLower and QString::toUpper give
// them, at a fraction of their cost: the program maps hundreds of thousands
// of file names and paths per search. ASCII maps directly; any other
// character maps through a table filled from Qt on first sight; a text with
// a character that maps to more than one (the upper case of "ß") or with a
// surrogate is handed to Qt whole.
namespace TextCase {

QString Lower(QStringView text);
QString Upper(QStringView text);

} // namespace TextCase
