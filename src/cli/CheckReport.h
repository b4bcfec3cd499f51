#pragma once

#include <QString>

// What the installation check found.
struct CheckReport {
    QString resBase;
    QString categoriesDir;
    QString modelsDir;
    bool modelsDirOk = false;
    QString modelsIni;
    bool resourcenPak = false;

    // The paths of gMod after a passed check.
    static CheckReport FromModuleState(bool resourcenPak);
};
