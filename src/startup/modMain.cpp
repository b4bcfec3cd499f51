#include "startup/modMain.h"

#include "startup/ModuleState.h"
#include "startup/ResBaseChoice.h"
#include "startup/modRegApi.h"
#include "startup/modTools.h"
#include <QCoreApplication>

namespace {

const QString kPakName = QStringLiteral("Resourcen.Pak");

void StopMissingDirectory(const QString& directoryName)
{
    MsgError(FormatMsg(QCoreApplication::translate("modMain",
        "Kann das EEP %1-Verzeichnis nicht finden!%mBedenken Sie, dass Kluni nur mit "
        "EEP bis einschliesslich Version 6%nzurecht kommt.%mDas Programm wird daher "
        "abgebrochen!"),
                       {directoryName}));
}

} // namespace

QString ResourcenPakNotice()
{
    return FormatMsg(QCoreApplication::translate("modMain",
        "Es wurde Datei '%1' im EEP-Verzeichnis gefunden!%nKluni findet nur alle "
        "Modelle, wenn die Datei '%1' integriert worden ist.%nFür weitere "
        "Informationen zur '%1' lesen Sie die Kurzanleitung."),
                     {kPakName});
}

bool CheckInstallation(QString* pakNotice)
{
    if (pakNotice)
        pakNotice->clear();

    gMod.gtResBase = GetResBase();
    if (gMod.gtResBase.isEmpty())
        gMod.gtResBase = ResBaseChoice::Ask();
    if (gMod.gtResBase.isEmpty()) {
        StopMissingDirectory(QStringLiteral("Resourcen"));
        return false;
    }

    gMod.gtCategoriesDir = JoinPath(gMod.gtResBase, QStringLiteral("Categories"));
    if (!DirExists(gMod.gtCategoriesDir)) {
        StopMissingDirectory(QStringLiteral("Categories"));
        return false;
    }

    gMod.gtModelsDir = JoinPath(gMod.gtResBase, QStringLiteral("Modelle"));
    gMod.gbModelsDirOk = DirExists(gMod.gtModelsDir);
    if (!gMod.gbModelsDirOk) {
        MsgError(FormatMsg(QCoreApplication::translate("modMain",
            "Kann das EEP Modelle-Verzeichnis nicht finden!%mMod2-Dateien zu Objekten "
            "können daher nicht angezeigt werden!")));
    }

    gMod.gtModelsIni = JoinPath(gMod.gtCategoriesDir, QStringLiteral("Models.ini"));
    if (!FileExists(gMod.gtModelsIni)) {
        MsgError(FormatMsg(QCoreApplication::translate("modMain",
            "Kann die Datei %1 nicht lesen!%mOhne diese Datei kann Kluni keine Modelle "
            "finden.%mDas Programm wird somit beendet."),
                           {gMod.gtModelsIni}));
        return false;
    }

    const QString pakPath = FormatMsg(QStringLiteral("%1\\..\\%2"), {gMod.gtResBase, kPakName});
    if (FileExists(pakPath) && pakNotice)
        *pakNotice = ResourcenPakNotice();
    return true;
}
