#include "hostdata/CommandLine.h"

#include "platform/HostPath.h"

namespace {

const QChar kSpace = QLatin1Char(' ');
const QChar kQuote = QLatin1Char('"');

QString TrimLeadingSpaces(const QString& text, qsizetype from = 0)
{
    while (from < text.size() && text.at(from) == kSpace)
        ++from;
    return text.mid(from);
}

QString TrimSpaces(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == kSpace)
        --end;
    return TrimLeadingSpaces(text.left(end));
}

} // namespace

namespace CommandLine {

QStringList SplitNames(const QString& commandLine)
{
    QStringList names;
    QString rest = TrimSpaces(commandLine);
    while (!rest.isEmpty()) {
        if (rest.at(0) != kQuote) {
            const qsizetype space = rest.indexOf(kSpace);
            if (space < 0) {
                names.append(rest);
                rest.clear();
            } else {
                names.append(rest.left(space));
                rest = TrimLeadingSpaces(rest, space + 1);
            }
        } else {
            const qsizetype close = rest.indexOf(kQuote, 1);
            if (close < 0)
                break;   // an unclosed quote ends the list
            names.append(rest.mid(1, close - 1));
            rest = TrimLeadingSpaces(rest, close + 1);
        }
    }
    return names;
}

QStringList NamesFromArguments(const QStringList& nativeArguments)
{
    QStringList names;
    names.reserve(nativeArguments.size());
    for (const QString& argument : nativeArguments)
        names.append(argument.isEmpty() ? argument : HostPath::ToWindows(argument));
    return names;
}

} // namespace CommandLine
