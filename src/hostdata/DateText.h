#pragma once

#include <QDate>
#include <QString>

// Dates as the date boxes show them: dd.MM.yyyy.
namespace DateText {

// Reads day.month.year (one or two digit day and month; a two-digit year
// 00-29 is 20yy, 30-99 is 19yy); an invalid QDate when it is not a date.
QDate Parse(const QString& text);
QString Format(const QDate& date);

// The from-date of a preset button (0 Heute, 1 seit Gestern, 2 letzte Woche,
// 3 letzten Monat) for the given today.
QDate PresetFrom(int index, const QDate& today);

} // namespace DateText
