// kluni-bench: times the in-process benchmark rows on an installation and
// prints one JSON object per row (scripts/bench builds the table from them).
#include "InProcessRows.h"

#include "cli/CliCommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

void Print(const Measurement& m)
{
    QJsonArray runs;
    for (double ms : m.ms)
        runs.append(ms);
    const QJsonObject row{{"row", m.row}, {"median_ms", m.Median()}, {"ms", runs}, {"note", m.note}};
    std::fputs(QJsonDocument(row).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

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
    const QCommandLineOption only(QStringLiteral("only"), QStringLiteral("Run only this row."),
                                  QStringLiteral("ROW"));
    parser.addOptions({resBase, runs, only});
    parser.process(app);

    if (!CliCommands::OpenInstallation(parser.value(resBase), QStringLiteral("Name_GER")))
        return 2;
    MeasurePolicy policy;
    policy.maxRuns = qMax(policy.minRuns, parser.value(runs).toInt());
    for (const Measurement& m : InProcessRows(policy).Run(parser.value(only)))
        Print(m);
    return 0;
}
