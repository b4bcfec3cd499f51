// Model files and directories handed over on the command line.

#include "mainwindow/FMain.h"

#include "hostdata/CommandLine.h"
#include "hostdata/InstallationPath.h"
#include "hostdata/SearchContext.h"
#include "hostdata/Searches.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

namespace {

// The names of the command line; those that lead into the installation by
// another route (a Wine drive, a link) in the installation's own spelling,
// so that they find their sections.
QStringList NamesOf(const QString& commandLine)
{
    QStringList names = CommandLine::SplitNames(commandLine);
    const InstallationPath installation(gMod.gtResBase);
    for (QString& name : names)
        name = installation.Recognise(name);
    return names;
}

} // namespace

void FMain::StartParams(const QString& commandLine)
{
    try {
        const QStringList names = NamesOf(commandLine);
        const auto scan = [names](SearchContext& context) { Searches::StartParams(context.models, names); };
        RunSearch(QStringLiteral("FMain.StartParams"), scan, [this](SearchContext& context) {
            mlListSource = 0;
            moModels = std::move(context.models);
            fillLbModels(moModels);
        });
    } catch (...) {
        ReportError(QStringLiteral("FMain.StartParams"));
    }
}
