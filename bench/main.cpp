// kluni-bench: times the in-process benchmark rows on an installation and
// prints one JSON object per row (scripts/bench builds the table from them).
#include "InProcessRows.h"

#include "cli/CliCommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("In-process benchmark rows of Kluni."));
    parser.addHelpOption();
    const BenchOptions bench = BenchOptions::AddTo(parser, QStringLiteral("Most runs per row (default 7)."));
    const QCommandLineOption only(QStringLiteral("only"),
                                  QStringLiteral("Run only this row (%1).").arg(InProcessRows::Names().join(", ")),
                                  QStringLiteral("ROW"));
    const QCommandLineOption once(QStringLiteral("once"),
                                  QStringLiteral("One timed run without warm-up (the caller repeats)."));
    parser.addOptions({only, once});
    parser.process(app);

    const std::shared_ptr<const Installation> installation = CliCommands::OpenInstallation(parser.value(bench.resBase));
    if (!installation)
        return 2;
    const MeasurePolicy policy = parser.isSet(once) ? MeasurePolicy::Once() : bench.Policy(parser);
    for (const Measurement& m : InProcessRows(policy, installation).Run(parser.value(only)))
        PrintMeasurement(m);
    return 0;
}
