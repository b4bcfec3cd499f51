#include "startup/modRegApi.h"

#include "startup/ResBaseChoice.h"

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
    return value.isEmpty() ? QString() : ResBaseChoice::ToWindowsForm(value);
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
    const QString fromRegistry = RegReadString(
        RegHive::ClassesRoot, QStringLiteral("Software\\Software Untergrund\\EEXP"), QStringLiteral("ResBase"));
    if (!fromRegistry.isEmpty() || Registry::IsNativeRegistry())
        return fromRegistry;
    // The folder the user chose once, when neither names one.
    return ResBaseChoice::Remembered();
}
