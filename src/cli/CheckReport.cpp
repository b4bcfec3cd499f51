#include "cli/CheckReport.h"

#include "startup/ModuleState.h"

CheckReport CheckReport::FromModuleState(bool resourcenPak)
{
    CheckReport report;
    report.resBase = gMod.gtResBase;
    report.categoriesDir = gMod.gtCategoriesDir;
    report.modelsDir = gMod.gtModelsDir;
    report.modelsDirOk = gMod.gbModelsDirOk;
    report.modelsIni = gMod.gtModelsIni;
    report.resourcenPak = resourcenPak;
    return report;
}
