// kluni-bench-ui: the window rows of the benchmarks, offscreen.
//   kluni-bench-ui --resbase DIR fill    times filling the result list (JSON line)
//   kluni-bench-ui --resbase DIR start   starts the window and ends as soon as
//                                        it takes input (timed from outside)
#include "WindowRows.h"

#include "cli/CliCommands.h"
#include "cli/CliPaths.h"
#include "platform/MessageSink.h"
#include "platform/StderrMessageSink.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle());
    // Nothing may wait on a message box here.
    StderrMessageSink messages;
    MessageSink::Install(&messages);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Window benchmark rows of Kluni (offscreen)."));
    parser.addHelpOption();
    const BenchOptions bench = BenchOptions::AddTo(parser, QStringLiteral("Most runs (default 7)."));
    parser.addPositionalArgument(QStringLiteral("row"), QStringLiteral("fill or start"));
    parser.process(app);
    const QString row = parser.positionalArguments().value(0);

    int status = 2;
    if (row == QLatin1String("start")) {
        // The window finds its installation as the program does.
        if (parser.isSet(bench.resBase))
            qputenv("KLUNI_RESBASE", CliPaths::ResBaseFromArgument(parser.value(bench.resBase)).toLocal8Bit());
        status = WindowRows::StartWindow();
    } else if (row == QLatin1String("fill")) {
        if (const auto installation = CliCommands::OpenInstallation(parser.value(bench.resBase))) {
            PrintMeasurement(WindowRows::FillResultList(bench.Policy(parser), *installation));
            status = 0;
        }
    } else {
        parser.showHelp(2);
    }
    MessageSink::Install(nullptr);
    return status;
}
