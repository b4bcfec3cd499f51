#include "sidewindows/ModelCaption.h"

#include "hostdata/CIniFile.h"
#include "startup/modTools.h"

QString ModelCaption(const QString& gsbName, const QString& nameKey)
{
    QString name = IniModelName(gsbName, nameKey);
    if (name == QLatin1String("<?>"))
        name.clear();
    if (name.isEmpty())
        name = LastPathPart(gsbName);
    return name;
}
