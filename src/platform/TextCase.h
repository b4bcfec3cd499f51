#pragma once

#include <QString>
#include <QStringView>

// Lower and upper case exactly as QString::toLower and QString::toUpper give
// them, at a fraction of their cost: the program maps hundreds of thousands
// of file names and paths per search. ASCII maps directly; any other
// character maps through a table filled from Qt on first sight, also one
// that maps to several (the upper case of "ß"); only a text with a surrogate
// is handed to Qt whole.
namespace TextCase {

QString Lower(QStringView text);
QString Upper(QStringView text);
// The same, appended to out (no string of its own per text).
void AppendLower(QStringView text, QString& out);
void AppendUpper(QStringView text, QString& out);
// Upper case unit by unit, each UTF-16 unit to exactly one, as NTFS compares
// names: a character whose upper case has several letters keeps its simple
// upper case ("ß" stays "ß"), a surrogate stays as it is.
void AppendUpperOneToOne(QStringView text, QString& out);

} // namespace TextCase
