#include "platform/ProcessCommandLine.h"

#ifdef Q_OS_WIN

#include <windows.h>

std::optional<QString> ProcessCommandLine()
{
    const QString line = QString::fromWCharArray(GetCommandLineW());
    // The program path: up to its closing quote when it begins with one,
    // else up to the first blank; then the blanks that separate it.
    qsizetype p = 0;
    if (line.startsWith(QLatin1Char('"'))) {
        p = line.indexOf(QLatin1Char('"'), 1);
        p = p < 0 ? line.size() : p + 1;
    } else {
        while (p < line.size() && line.at(p) != QLatin1Char(' ') && line.at(p) != QLatin1Char('\t'))
            ++p;
    }
    while (p < line.size() && (line.at(p) == QLatin1Char(' ') || line.at(p) == QLatin1Char('\t')))
        ++p;
    return line.mid(p);
}

#else

std::optional<QString> ProcessCommandLine()
{
    return std::nullopt;
}

#endif
