#include "markdown.h"

#include "goals.h"

#include <QJsonObject>
#include <algorithm>

namespace molen_bench {
namespace {

QString number(double value, int decimals = 2) { return QString::number(value, 'f', decimals); }

QString row(const QStringList& cells) { return "| " + cells.join(" | ") + " |\n"; }

QString header(const QStringList& cells) {
    return row(cells) + row(QStringList(cells.size(), "---"));
}

QString goalsSection(const Results& results) {
    QString text = "## Goals\n\n" + header({"goal", "figure", "result"});
    for (const Goal& goal : judgeGoals(results))
        text += row({goal.what, goal.figure, goal.met ? "met" : "**missed**"});
    return text;
}

QString timingTable(const std::vector<TimingRow>& rows) {
    QString text = header({"wind", "timer", "interval (ms)", "expected", "seen", "mean error",
                           "p50 (ms)", "p99 (ms)", "longest (ms)"});
    for (const TimingRow& r : rows) {
        text += row({QString::number(r.wind), r.timer, QString::number(r.nominalMs),
                     QString::number(r.expected), QString::number(r.seen),
                     number(r.meanErrorPercent, 3) + "%", number(r.p50), number(r.p99),
                     number(r.longest)});
    }
    return text;
}

// The wind changes every 20 ms, so each timer runs under many intervals: one row per timer.
QString starvationTable(const std::vector<TimingRow>& rows) {
    QString text = "### Wind changed every 20 ms\n\nThe first sail period, the 1000 ms before "
                   "the first sail tick, is left out.\n\n" +
                   header({"timer", "ticks", "largest interval (ms)", "longest gap (ms)"});
    for (const QString timer : {"Timer1", "Timer2", "Timer3"}) {
        long ticks = 0;
        double largest = 0, longest = 0;
        for (const TimingRow& r : rows) {
            if (r.timer != timer || (timer == "Timer1" && r.nominalMs == 1000))
                continue;
            ticks += r.seen;
            largest = std::max(largest, double(r.nominalMs));
            longest = std::max(longest, r.longest);
        }
        text += row({timer, QString::number(ticks), number(largest, 0), number(longest)});
    }
    return text;
}

QString timingSection(const Results& results, const QString& pictureName) {
    return "## Tick timing\n\nThe real window under Xvfb with the brake released, one row per "
           "timer and interval; periods are taken as each tick is delivered, on a monotonic "
           "clock. The sail's first period is the 1000 ms before the first sail tick, and the "
           "stone ticks every 10 ms until that tick has set the wind. On X, Qt waits for the "
           "server to take a frame from shared memory before it paints over the same pixels "
           "again (the banner does so every tick), so a server slow to wake shows here as a "
           "late tick.\n\n" +
           timingTable(results.timing) + "\n![Tick periods against their interval](" + pictureName +
           ")\n\n" + starvationTable(results.starvation);
}

QString wholeSection(const Results& results) {
    QString text = "## Whole program against the floor\n\nThe real program and the floor "
                   "window at wind 140, each on a fresh Xvfb, interleaved pair by pair. CPU is "
                   "the program's and the X server's over the measured time.\n\n" +
                   header({"pair", "program", "first frame (ms)", "CPU program (s)",
                           "CPU X server (s)", "peak RSS (MB)"});
    for (const WholeRun& w : results.whole) {
        text += row({QString::number(w.pair), w.who, number(w.firstFrameMs, 1),
                     number(w.programCpuS), number(w.serverCpuS), number(w.peakRssMb, 1)});
    }
    return text;
}

QString instructionsSection(const Results& results) {
    QString text = "## Instructions per tick\n\nCounted by callgrind over the ticks alone, each "
                   "followed by its repaint on the offscreen platform.\n\n" +
                   header({"tick", "mill", "floor", "ratio"});
    for (const char* kind : {"sail", "stone", "banner"}) {
        const double mill = results.instructionsPerTick.count(QString("molen ") + kind)
                                ? results.instructionsPerTick.at(QString("molen ") + kind)
                                : 0;
        const double floor = results.instructionsPerTick.count(QString("floor ") + kind)
                                 ? results.instructionsPerTick.at(QString("floor ") + kind)
                                 : 0;
        text +=
            row({kind, number(mill, 0), number(floor, 0), floor > 0 ? number(mill / floor) : "-"});
    }
    return text;
}

QString proceduresSection(const Results& results) {
    double floor = 0;
    for (const auto& value : results.procedures) {
        if (value.toObject()["name"].toString() == "standardRoundTrip")
            floor = value.toObject()["cpu_time"].toDouble();
    }
    QString text = "## Procedure costs\n\nGoogle Benchmark, without a window; the floor is the "
                   "standard library's own round trip of a double through text.\n\n" +
                   header({"benchmark", "CPU time", "against the floor"});
    for (const auto& value : results.procedures) {
        const QJsonObject b = value.toObject();
        const double cpu = b["cpu_time"].toDouble();
        text += row({b["name"].toString(), number(cpu, 1) + " " + b["time_unit"].toString(),
                     floor > 0 ? number(cpu / floor) : "-"});
    }
    return text;
}

} // namespace

QString markdownReport(const Results& results, const QString& pictureName) {
    QString text = "# Performance\n\nWritten by `bash bench/run`. Every figure is a count, an "
                   "error against the nominal interval, or a ratio against the floor: the "
                   "least Qt window that shows the same motion on the same timers.\n\n"
                   "## Machine\n\n";
    for (const QString& line : results.machine)
        text += "- " + line + "\n";
    for (const QString& section :
         {goalsSection(results), timingSection(results, pictureName), wholeSection(results),
          instructionsSection(results), proceduresSection(results)})
        text += "\n" + section;
    return text;
}

} // namespace molen_bench
