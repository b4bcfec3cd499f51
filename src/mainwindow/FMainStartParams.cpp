// Model files and directories handed over on the command line.

#include "mainwindow/FMain.h"

#include "hostdata/CommandLine.h"
#include "hostdata/Searches.h"
#include "mainwindow/BusyCursor.h"
#include "startup/modTools.h"

void FMain::StartParams(const QString& commandLine)
{
    try {
        BusyCursor busy;
        mlListSource = 0;
        Searches::StartParams(moModels, CommandLine::SplitNames(commandLine));
        fillLbModels(moModels);
    } catch (...) {
        ReportError(QStringLiteral("FMain.StartParams"));
    }
}
