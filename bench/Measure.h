#pragma once

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
};

// Runs setup (untimed) and body (timed) at least minRuns and at most maxRuns
// times, after one untimed warm-up run of both.
Measurement Measure(const QString& row, const MeasurePolicy& policy, const std::function<void()>& setup,
                    const std::function<void()>& body);
