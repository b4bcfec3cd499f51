// Model files and directories handed over on the command line.

#include "mainwindow/FMain.h"

#include "hostdata/CommandLine.h"
#include "hostdata/InstallationPath.h"
#include "hostdata/Searches.h"
#include "startup/modTools.h"

namespace {

// The names; those that lead into the installation by another route (a Wine
// drive, a link) in the installation's own spelling, so that they find their
// sections.
QStringList Recognised(QStringList names, const QString& resBase)
{
    const InstallationPath installation(resBase);
    for (QString& name : names)
        name = installation.Recognise(name);
    return names;
}

} // namespace

void FMain::StartParams(const QString& commandLine)
{
    StartParams(CommandLine::SplitNames(commandLine));
}

void FMain::StartParams(const QStringList& names)
{
    try {
        const QStringList recognised = Recognised(names, m_installation->gtResBase);
        const auto scan = [input = NewSearchInput(false, true), recognised](SearchProgress& progress) mutable {
            return Searches::StartParams(std::move(input), progress, recognised);
        };
        RunSearch(QStringLiteral("FMain.StartParams"), scan, ListTakeOver(0));
    } catch (...) {
        ReportError(QStringLiteral("FMain.StartParams"));
    }
}
