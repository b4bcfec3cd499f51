#include "cli/CliPaths.h"

#include "platform/HostPath.h"
#include "startup/modTools.h"

namespace CliPaths {

bool IsWindowsForm(const QString& argument)
{
    if (argument.startsWith(QLatin1String("\\\\")))
        return true;
    return argument.size() >= 3 && argument[0].isLetter() && argument[0].unicode() < 128
        && argument[1] == QLatin1Char(':')
        && (argument[2] == QLatin1Char('\\') || argument[2] == QLatin1Char('/'));
}

QString ToProgramPath(const QString& argument, const QString& resBase)
{
    if (IsWindowsForm(argument)) {
        QString path = argument;
        return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    }
    if (argument.startsWith(QLatin1Char('\\')))
        return JoinPath(resBase, argument.mid(1));
    return HostPath::ToWindows(argument);
}

QString ResBaseFromArgument(const QString& argument)
{
    QString path = ToProgramPath(argument);
    while (path.endsWith(QLatin1Char('\\')) && path.size() > 3)
        path.chop(1);
    return path;
}

} // namespace CliPaths
