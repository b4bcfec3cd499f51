#include "startup/Installation.h"

#include "startup/modTools.h"

Installation Installation::At(const QString& resBase)
{
    Installation installation;
    installation.gtResBase = resBase;
    installation.gtCategoriesDir = JoinPath(resBase, QStringLiteral("Categories"));
    installation.gtModelsDir = JoinPath(resBase, QStringLiteral("Modelle"));
    installation.gbModelsDirOk = DirExists(installation.gtModelsDir);
    installation.gtModelsIni = JoinPath(installation.gtCategoriesDir, QStringLiteral("Models.ini"));
    return installation;
}
