#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <functional>
#include <vector>

// Repeated timings of one benchmark row.
struct Measurement {
    QString row;
    std::vector<double> ms;   // one figure per run
    QString note;

    double Median() const;
};

struct MeasurePolicy {
    int minRuns = 3;
    int maxRuns = 7;
    double budgetMs = 20000;  // no new run is started once this much time is spent
    bool warmUp = true;       // one untimed run first

    // One timed run and nothing else: the caller alternates whole runs of the
    // program with a baseline command and takes the median itself.
    static MeasurePolicy Once() { return MeasurePolicy{1, 1, 0, false}; }
};

// Runs setup (untimed) and body (timed) at least minRuns and at most maxRuns
// times, after one untimed warm-up run of both when the policy asks for it.
Measurement Measure(const QString& row, const MeasurePolicy& policy, const std::function<void()>& setup,
                    const std::function<void()>& body);

// One row as a line of JSON on standard output: row, median_ms, ms, note.
void PrintMeasurement(const Measurement& m);

// The options that both benchmark programs take: the installation (--resbase)
// and the most runs of a row (--runs, 7 by default).
struct BenchOptions {
    QCommandLineOption resBase;
    QCommandLineOption runs;

    // Adds both to the parser; runsText describes --runs.
    static BenchOptions AddTo(QCommandLineParser& parser, const QString& runsText);
    // The usual policy with the most runs the parser was given.
    MeasurePolicy Policy(const QCommandLineParser& parser) const;
};
