#pragma once

#include <QString>

// The paths of the EEP installation, fixed by the installation check at
// start-up and never changed afterwards: whoever needs them is handed this
// object (a search takes a shared copy with it to its thread).
struct Installation {
    QString gtResBase;        // EEP's "Resourcen" directory (Windows form)
    QString gtCategoriesDir;  // gtResBase\Categories
    QString gtModelsDir;      // gtResBase\Modelle
    bool gbModelsDirOk = false;
    QString gtModelsIni;      // gtCategoriesDir\Models.ini

    // The paths below a resource directory, "Modelle" looked for on disk;
    // nothing else is checked.
    static Installation At(const QString& resBase);
};
