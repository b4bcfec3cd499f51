// Kluni: where in EEP do I find this model?

#include "mainwindow/FMain.h"
#include "mainwindow/Startup.h"
#include "platform/FolderChooser.h"
#include "platform/MessageSink.h"
#include "platform/ProcessCommandLine.h"
#include "platformui/QtFolderChooser.h"
#include "platformui/QtMessageSink.h"
#include "sidewindows/AboutPictures.h"
#include "startup/InterfaceLanguage.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle());
    InterfaceLanguage::Install(InterfaceLanguage::FromSystem(), true);
    // One icon for the taskbar, the main window and every side window.
    QApplication::setWindowIcon(AboutPictures::KluniIcon());
    // Lets the desktop match the windows with the menu entry (icon, name).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kluni.Kluni"));

    QtMessageSink messages;
    MessageSink::Install(&messages);
    // Where no registry names EEP's folder, start-up asks for it.
    QtFolderChooser folders;
    FolderChooser::Install(&folders);

    // Windows keeps the command line as one string, split as the program's
    // own rule says; elsewhere each argument is one name already.
    const std::optional<QString> commandLine = ProcessCommandLine();
    const std::unique_ptr<FMain> window =
        commandLine ? RunStartup(*commandLine) : RunStartup(app.arguments().mid(1));
    const int status = window ? app.exec() : 1;
    // A search that did not stop in time on closing (a read hanging on a
    // network drive) still runs: the program ends without the clean-up of
    // its static objects, which that search might still use.
    if (window && window->LeftSearchRunning()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    FolderChooser::Install(nullptr);
    MessageSink::Install(nullptr);
    return status;
}
