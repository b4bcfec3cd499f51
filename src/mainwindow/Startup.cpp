#include "mainwindow/Startup.h"

#include "hostdata/CWinApi.h"
#include "mainwindow/FMain.h"
#include "startup/modMain.h"

#include <QApplication>
#include <QStyle>

std::unique_ptr<FMain> RunStartup(const QString& commandLine)
{
    // The window's size rule counts the caption bar.
    CWinApi::SetWinTitleHeight(QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight));

    auto window = std::make_unique<FMain>();
    window->show();   // visible while the checks run, so their messages stand in front of it

    QString pakNotice;
    bool ok = CheckInstallation(&pakNotice);
    if (ok && !pakNotice.isEmpty())
        window->ShowNotice(pakNotice, false);
    if (ok)
        ok = window->Init();
    // A command line of blanks still counts: the window trims it itself.
    if (ok && !commandLine.isEmpty())
        window->StartParams(commandLine);
    if (ok)
        return window;
    window->close();
    return nullptr;
}
