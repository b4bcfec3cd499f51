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
    const QCommandLineOption resBase(QStringLiteral("resbase"), QStringLiteral("The Resourcen directory."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Most runs per row (default 7)."),
                                  QStringLiteral("N"), QStringLiteral("7"));
    const QCommandLineOption only(QStringLiteral("only"),
                                  QStringLiteral("Run only this row (%1).").arg(InProcessRows::Names().join(", ")),
                                  QStringLiteral("ROW"));
    const QCommandLineOption once(QStringLiteral("once"),
                                  QStringLiteral("One timed run without warm-up (the caller repeats)."));
    parser.addOptions({resBase, runs, only, once});
    parser.process(app);

    if (!CliCommands::OpenInstallation(parser.value(resBase), QStringLiteral("Name_GER")))
        return 2;
    MeasurePolicy policy;
    policy.maxRuns = qMax(policy.minRuns, parser.value(runs).toInt());
    if (parser.isSet(once))
        policy = MeasurePolicy::Once();
    for (const Measurement& m : InProcessRows(policy).Run(parser.value(only)))
        PrintMeasurement(m);
    return 0;
}
