#include "sidewindows/ModelCaption.h"

#include "hostdata/CIniFile.h"
#include "startup/modTools.h"

QString ModelCaption(const QString& gsbName)
{
    QString name = IniModelName(gsbName);
    if (name == QLatin1String("<?>"))
        name.clear();
    if (name.isEmpty())
        name = LastPathPart(gsbName);
    return name;
}
