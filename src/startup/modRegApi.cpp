#include "startup/modRegApi.h"

#include "platform/HostPath.h"
#include "startup/modTools.h"

QString RegReadString(RegHive hive, const QString& keyPath, const QString& valueName)
{
    return Registry::ReadString(hive, keyPath, valueName).value_or(QString());
}

namespace {

QString& ResBaseOverride()
{
    static QString overridePath;
    return overridePath;
}

// KLUNI_RESBASE stands in for the registry value where there is no real
// registry: a Windows-form path is taken as it is, a native one translated.
QString ResBaseFromEnvironment()
{
    const QString value = qEnvironmentVariable("KLUNI_RESBASE");
    if (value.isEmpty())
        return QString();
    return IsAbsolutePath(value) ? value : HostPath::ToWindows(value);
}

} // namespace

void SetResBaseOverride(const QString& windowsPath)
{
    ResBaseOverride() = windowsPath;
}

QString GetResBase()
{
    if (!ResBaseOverride().isEmpty())
        return ResBaseOverride();
    if (!Registry::IsNativeRegistry()) {
        const QString fromEnvironment = ResBaseFromEnvironment();
        if (!fromEnvironment.isEmpty())
            return fromEnvironment;
    }
    return RegReadString(RegHive::ClassesRoot, QStringLiteral("Software\\Software Untergrund\\EEXP"),
                         QStringLiteral("ResBase"));
}
