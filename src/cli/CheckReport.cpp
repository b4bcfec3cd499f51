#include "cli/CheckReport.h"

#include "startup/Installation.h"

CheckReport CheckReport::From(const Installation& installation, bool resourcenPak)
{
    CheckReport report;
    report.resBase = installation.gtResBase;
    report.categoriesDir = installation.gtCategoriesDir;
    report.modelsDir = installation.gtModelsDir;
    report.modelsDirOk = installation.gbModelsDirOk;
    report.modelsIni = installation.gtModelsIni;
    report.resourcenPak = resourcenPak;
    return report;
}
