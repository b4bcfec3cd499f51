#include "startup/modMain.h"

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

InstallationCheck CheckInstallation()
{
    InstallationCheck check;
    Installation found;
    found.gtResBase = GetResBase();
    if (found.gtResBase.isEmpty())
        found.gtResBase = ResBaseChoice::Ask();
    check.resBase = found.gtResBase;
    if (found.gtResBase.isEmpty()) {
        StopMissingDirectory(QStringLiteral("Resourcen"));
        return check;
    }

    found.gtCategoriesDir = JoinPath(found.gtResBase, QStringLiteral("Categories"));
    if (!DirExists(found.gtCategoriesDir)) {
        StopMissingDirectory(QStringLiteral("Categories"));
        return check;
    }

    found.gtModelsDir = JoinPath(found.gtResBase, QStringLiteral("Modelle"));
    found.gbModelsDirOk = DirExists(found.gtModelsDir);
    if (!found.gbModelsDirOk) {
        MsgError(FormatMsg(QCoreApplication::translate("modMain",
            "Kann das EEP Modelle-Verzeichnis nicht finden!%mMod2-Dateien zu Objekten "
            "können daher nicht angezeigt werden!")));
    }

    found.gtModelsIni = JoinPath(found.gtCategoriesDir, QStringLiteral("Models.ini"));
    if (!FileExists(found.gtModelsIni)) {
        MsgError(FormatMsg(QCoreApplication::translate("modMain",
            "Kann die Datei %1 nicht lesen!%mOhne diese Datei kann Kluni keine Modelle "
            "finden.%mDas Programm wird somit beendet."),
                           {found.gtModelsIni}));
        return check;
    }

    const QString pakPath = FormatMsg(QStringLiteral("%1\\..\\%2"), {found.gtResBase, kPakName});
    if (FileExists(pakPath))
        check.pakNotice = ResourcenPakNotice();
    check.installation = std::make_shared<const Installation>(std::move(found));
    return check;
}
