#include "startup/ResBaseChoice.h"

#include "platform/FolderChooser.h"
#include "platform/HostPath.h"
#include "platform/Registry.h"
#include "startup/modTools.h"

#include <QCoreApplication>

namespace {

const QString kSection = QStringLiteral("Installation");
const QString kKey = QStringLiteral("ResBase");

} // namespace

QString ResBaseChoice::ToWindowsForm(const QString& pathText)
{
    // Windows takes "/" between names too; the program's own paths use "\".
    return IsAbsolutePath(pathText) ? QString(pathText).replace(QLatin1Char('/'), QLatin1Char('\\'))
                                    : HostPath::ToWindows(pathText);
}

bool ResBaseChoice::HoldsModelsIni(const QString& windowsPath)
{
    return FileExists(JoinPath(JoinPath(windowsPath, QStringLiteral("Categories")), QStringLiteral("Models.ini")));
}

QString ResBaseChoice::Remembered()
{
    const QString stored = LoadSetting(kSection, kKey, QString());
    if (stored.isEmpty())
        return QString();
    const QString windowsPath = ToWindowsForm(stored);
    return HoldsModelsIni(windowsPath) ? windowsPath : QString();
}

QString ResBaseChoice::Ask()
{
    FolderChooser* chooser = FolderChooser::Current();
    if (chooser == nullptr || Registry::IsNativeRegistry())
        return QString();
    const QString title = QCoreApplication::translate("ResBaseChoice", "EEP-Ordner \"Resourcen\" wählen");
    const QString explanation = FormatMsg(QCoreApplication::translate(
        "ResBaseChoice",
        "Kluni findet EEP nicht von selbst.%nBitte wählen Sie den EEP-Ordner \"Resourcen\", der die Datei "
        "\"Categories\\Models.ini\" enthält,%nzum Beispiel in einem Wine-Präfix "
        "(~/.wine/drive_c/.../EEP6/Resourcen) oder in einer kopierten EEP-Installation.%n"
        "Versteckte Ordner wie ~/.wine und ~/.local/share werden mit angezeigt."));
    for (;;) {
        const QString chosen = chooser->ChooseFolder(title, explanation);
        if (chosen.isEmpty())
            return QString();
        const QString windowsPath = HostPath::ToWindows(chosen);
        if (HoldsModelsIni(windowsPath)) {
            StoreSetting(kSection, kKey, chosen);
            return windowsPath;
        }
        MsgError(FormatMsg(QCoreApplication::translate("ResBaseChoice",
                                                       "Der Ordner%m%1%mist kein EEP-Ordner \"Resourcen\": Ihm "
                                                       "fehlt die Datei \"Categories\\Models.ini\".%mBitte wählen "
                                                       "Sie den Ordner \"Resourcen\" Ihrer EEP-Installation."),
                           {chosen}));
    }
}
