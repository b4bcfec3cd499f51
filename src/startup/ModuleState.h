#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The program-wide state that start-up, the searches and the windows share.
// Kept in one place so that a test can reset all of it with one call.
struct ModuleState {
    // Set once by the installation check.
    QString gtResBase;        // EEP's "Resourcen" directory (Windows form)
    QString gtCategoriesDir;  // gtResBase\Categories
    QString gtModelsDir;      // gtResBase\Modelle
    bool gbModelsDirOk = false;
    QString gtModelsIni;      // gtCategoriesDir\Models.ini

    // Category language ("Name_GER", ...) and its copy taken by each search.
    QString gtNameKey;
    QString gtSearchNameKey;

    bool gbExtend = false;    // add to the current list instead of replacing it
    qint32 glPrevCount = 0;   // catalogue count before the latest search or drop

    // Model ini files that could not be opened / had no name entry during the
    // latest search: the first 100 paths, and every occurrence counted.
    QStringList gcolMissingIni;
    qint32 glMissingIni = 0;
    QStringList gcolNoNameIni;
    qint32 glNoNameIni = 0;
};

extern ModuleState gMod;

// Everything back to empty, False and 0.
void ResetModuleState();
