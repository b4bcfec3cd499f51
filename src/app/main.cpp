// Kluni: where in EEP do I find this model?

#include "mainwindow/FMain.h"
#include "mainwindow/Startup.h"
#include "platform/MessageSink.h"
#include "platform/ProcessCommandLine.h"
#include "platformui/QtMessageSink.h"
#include "sidewindows/AboutPictures.h"
#include "startup/InterfaceLanguage.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle());
    InterfaceLanguage::Install(InterfaceLanguage::FromSystem(), true);
    // One icon for the taskbar, the main window and every side window.
    QApplication::setWindowIcon(AboutPictures::KluniIcon());

    QtMessageSink messages;
    MessageSink::Install(&messages);

    // Windows keeps the command line as one string, split as the program's
    // own rule says; elsewhere each argument is one name already.
    const std::optional<QString> commandLine = ProcessCommandLine();
    const std::unique_ptr<FMain> window =
        commandLine ? RunStartup(*commandLine) : RunStartup(app.arguments().mid(1));
    const int status = window ? app.exec() : 1;
    MessageSink::Install(nullptr);
    return status;
}
