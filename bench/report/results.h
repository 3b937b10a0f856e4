// The figures that bench/run collects in its results folder, read back for the report.
#pragma once

#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace molen_bench {

struct TimingRow {
    int wind = 0;
    QString timer;
    int nominalMs = 0;
    long expected = 0, seen = 0;
    double meanErrorPercent = 0, p50 = 0, p99 = 0, longest = 0;
};

struct PeriodSample {
    int wind = 0;
    QString timer;
    int nominalMs = 0;
    double ms = 0;
};

struct WholeRun {
    int pair = 0;
    QString who;
    double firstFrameMs = 0;
    double programCpuS = 0, serverCpuS = 0, peakRssMb = 0;
};

struct Results {
    QStringList machine;
    QJsonArray procedures;                         // Google Benchmark's "benchmarks"
    std::map<QString, double> instructionsPerTick; // "molen sail" -> count
    long bannerOverspillPx = -1;
    std::vector<TimingRow> timing, starvation;
    std::vector<PeriodSample> periods; // steady runs only
    std::vector<WholeRun> whole;
};

Results readResults(const QString& folder);

} // namespace molen_bench
