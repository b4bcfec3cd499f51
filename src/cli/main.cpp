#include "cli/CliMain.h"
#include "platform/StderrMessageSink.h"
#include "platform/Utf8Console.h"
#include "startup/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const Utf8Console console;
    // Only the program's own texts: the tool shows none of Qt's.
    InterfaceLanguage::Install(InterfaceLanguage::FromSystem(), false);
    StderrMessageSink messages;
    MessageSink::Install(&messages);

    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const int status = RunKluniCli(arguments, out, err);

    out.flush();
    std::fflush(stdout);
    MessageSink::Install(nullptr);
    return status;
}
