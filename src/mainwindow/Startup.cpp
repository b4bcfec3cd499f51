#include "mainwindow/Startup.h"

#include "hostdata/CWinApi.h"
#include "hostdata/CommandLine.h"
#include "mainwindow/FMain.h"
#include "startup/modMain.h"

#include <QApplication>
#include <QStyle>

namespace {

// startParams is empty when there is no command line.
std::unique_ptr<FMain> Start(const std::function<void(FMain&)>& startParams)
{
    // The window's size rule counts the caption bar.
    CWinApi::SetWinTitleHeight(QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight));

    auto window = std::make_unique<FMain>();
    window->show();   // visible while the checks run, so their messages stand in front of it

    const InstallationCheck check = CheckInstallation();
    bool ok = check.installation != nullptr;
    if (ok && !check.pakNotice.isEmpty())
        window->ShowNotice(check.pakNotice, false);
    if (ok)
        ok = window->Init(check.installation);
    if (ok && startParams)
        startParams(*window);
    if (ok)
        return window;
    window->close();
    return nullptr;
}

} // namespace

std::unique_ptr<FMain> RunStartup(const QString& commandLine)
{
    // A command line of blanks still counts: the window trims it itself.
    if (commandLine.isEmpty())
        return Start({});
    return Start([&commandLine](FMain& window) { window.StartParams(commandLine); });
}

std::unique_ptr<FMain> RunStartup(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return Start({});
    return Start([&arguments](FMain& window) { window.StartParams(CommandLine::NamesFromArguments(arguments)); });
}
