#include "hostdata/IniProblems.h"

void IniProblems::NoteMissingIni(const QString& path)
{
    ++glMissingIni;
    AddIniToList(gcolMissingIni, path);
}

void IniProblems::NoteNoNameIni(const QString& path)
{
    ++glNoNameIni;
    AddIniToList(gcolNoNameIni, path);
}

void AddIniToList(QStringList& list, const QString& path)
{
    if (list.size() < 100)
        list.append(IniPathOf(path));
}

QString IniPathOf(const QString& path)
{
    if (path.endsWith(QLatin1String(".gsb")))
        return path.left(path.size() - 4) + QLatin1String(".ini");
    return path;
}
