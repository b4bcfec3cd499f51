#include "Measure.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>

double Measurement::Median() const
{
    if (ms.empty())
        return 0;
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    const size_t mid = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
}

Measurement Measure(const QString& row, const MeasurePolicy& policy, const std::function<void()>& setup,
                    const std::function<void()>& body)
{
    Measurement m;
    m.row = row;
    if (policy.warmUp) {
        setup();
        body();
    }
    double spent = 0;
    while (int(m.ms.size()) < policy.maxRuns && (int(m.ms.size()) < policy.minRuns || spent < policy.budgetMs)) {
        setup();
        QElapsedTimer timer;
        timer.start();
        body();
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        m.ms.push_back(elapsed);
        spent += elapsed;
    }
    return m;
}

void PrintMeasurement(const Measurement& m)
{
    QJsonArray runs;
    for (double ms : m.ms)
        runs.append(ms);
    const QJsonObject row{{"row", m.row}, {"median_ms", m.Median()}, {"ms", runs}, {"note", m.note}};
    std::fputs(QJsonDocument(row).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

BenchOptions BenchOptions::AddTo(QCommandLineParser& parser, const QString& runsText)
{
    BenchOptions options{
        QCommandLineOption(QStringLiteral("resbase"), QStringLiteral("The Resourcen directory."),
                           QStringLiteral("DIR")),
        QCommandLineOption(QStringLiteral("runs"), runsText, QStringLiteral("N"), QStringLiteral("7"))};
    parser.addOptions({options.resBase, options.runs});
    return options;
}

MeasurePolicy BenchOptions::Policy(const QCommandLineParser& parser) const
{
    MeasurePolicy policy;
    policy.maxRuns = qMax(policy.minRuns, parser.value(runs).toInt());
    return policy;
}
