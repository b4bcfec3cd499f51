#include "hostdata/DateText.h"

#include <QRegularExpression>

namespace {

// A year of one or two digits: 00-29 is 20yy, 30-99 is 19yy.
int FullYear(const QString& digits)
{
    const int year = digits.toInt();
    if (digits.size() > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

} // namespace

namespace DateText {

QDate Parse(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2})\\.([0-9]{1,2})(?:\\.([0-9]{1,4}))?$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return QDate();
    const QString yearDigits = match.captured(3);
    // Day and month alone mean this year, as the date boxes have always read them.
    const int year = yearDigits.isEmpty() ? QDate::currentDate().year() : FullYear(yearDigits);
    if (year < 100)
        return QDate();
    const QDate date(year, match.captured(2).toInt(), match.captured(1).toInt());
    return date.isValid() ? date : QDate();
}

QString Format(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QDate PresetFrom(int index, const QDate& today)
{
    switch (index) {
    case 0:
        return today;
    case 1:
        return today.addDays(-1);
    case 2:
        return today.addDays(-6);
    case 3:
        // addMonths clamps the day to the end of a shorter month.
        return today.addMonths(-1).addDays(1);
    default:
        return QDate();
    }
}

} // namespace DateText
