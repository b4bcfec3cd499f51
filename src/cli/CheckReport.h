#pragma once

#include <QString>

struct Installation;

// What the installation check found.
struct CheckReport {
    QString resBase;
    QString categoriesDir;
    QString modelsDir;
    bool modelsDirOk = false;
    QString modelsIni;
    bool resourcenPak = false;

    // The paths of the installation that a check found.
    static CheckReport From(const Installation& installation, bool resourcenPak);
};
