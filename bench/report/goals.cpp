#include "goals.h"

#include <algorithm>
#include <cmath>

namespace molen_bench {

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

std::vector<double> wholeFigure(const Results& results, const QString& who,
                                double (*figure)(const WholeRun&)) {
    std::vector<double> values;
    for (const WholeRun& run : results.whole) {
        if (run.who == who)
            values.push_back(figure(run));
    }
    return values;
}

double cpuSeconds(const WholeRun& run) { return run.programCpuS + run.serverCpuS; }

namespace {

QString number(double value, int decimals = 2) { return QString::number(value, 'f', decimals); }

Goal periodGoal(const Results& results) {
    double worst = 0;
    for (const TimingRow& row : results.timing)
        worst = std::max(worst, std::abs(row.meanErrorPercent));
    return {"Mean tick period within 0.5% of nominal, every timer at every wind",
            "worst " + number(worst, 3) + "%", worst <= 0.5};
}

Goal lostTickGoal(const Results& results) {
    long lost = 0;
    for (const TimingRow& row : results.timing)
        lost += std::max(0L, row.expected - row.seen);
    return {"No tick lost at steady state", QString::number(lost) + " lost", lost == 0};
}

Goal p99Goal(const Results& results) {
    double worst = 0;
    for (const TimingRow& row : results.timing)
        worst = std::max(worst, row.p99 - row.nominalMs);
    return {"p99 period within 2 ms of nominal", "worst +" + number(worst) + " ms", worst <= 2};
}

// The release's first sail period (the initial 1000 ms) is no interval the wind chose.
Goal starvationGoal(const Results& results) {
    double longest = 0, largest = 0;
    for (const TimingRow& row : results.starvation) {
        if (row.timer == "Timer3" || (row.timer == "Timer1" && row.nominalMs == 1000))
            continue;
        longest = std::max(longest, row.longest);
        largest = std::max(largest, double(row.nominalMs));
    }
    return {"Wind changed every 20 ms: sail and stone gap at most twice the largest interval",
            "longest " + number(longest, 1) + " ms, limit " + number(2 * largest, 0) + " ms",
            largest > 0 && longest <= 2 * largest};
}

Goal ratioGoal(const QString& what, double mill, double floor, double limit, const QString& unit) {
    const double ratio = floor > 0 ? mill / floor : 0;
    return {what,
            number(mill) + unit + " against " + number(floor) + unit + ", ratio " + number(ratio),
            floor > 0 && ratio <= limit};
}

std::vector<Goal> wholeProgramGoals(const Results& r) {
    const auto cpu = [&](const QString& who) {
        return median(wholeFigure(r, who, cpuSeconds));
    };
    const auto rss = [&](const QString& who) {
        return median(wholeFigure(r, who, [](const WholeRun& w) { return w.peakRssMb; }));
    };
    const auto frame = [&](const QString& who) {
        return median(wholeFigure(r, who, [](const WholeRun& w) { return w.firstFrameMs; }));
    };
    const double extra = rss("molen") - rss("floor");
    return {
        ratioGoal("CPU (program and X server) at wind 140 at most 1.3 times the floor's",
                  cpu("molen"), cpu("floor"), 1.3, " s"),
        {"Peak resident memory at most the floor's plus 5 MB",
         number(rss("molen"), 1) + " MB against " + number(rss("floor"), 1) + " MB, +" +
             number(extra, 1) + " MB",
         rss("floor") > 0 && extra <= 5},
        ratioGoal("Start to first painted frame at most 1.3 times the floor's", frame("molen"),
                  frame("floor"), 1.3, " ms"),
    };
}

std::vector<Goal> instructionGoals(const Results& r) {
    const auto count = [&](const char* key) {
        const auto found = r.instructionsPerTick.find(key);
        return found == r.instructionsPerTick.end() ? 0.0 : found->second;
    };
    const double mill = count("molen sail"), floor = count("floor sail");
    return {
        {"Instructions per sail tick with its repaint at most 1.5 times the floor's",
         number(mill, 0) + " against " + number(floor, 0) + ", ratio " +
             number(floor > 0 ? mill / floor : 0),
         floor > 0 && mill <= 1.5 * floor},
        {"A banner tick repaints no more than the banner's old and new boxes",
         QString::number(r.bannerOverspillPx) + " pixels outside them", r.bannerOverspillPx == 0},
    };
}

} // namespace

std::vector<Goal> judgeGoals(const Results& results) {
    std::vector<Goal> goals{periodGoal(results), lostTickGoal(results), p99Goal(results),
                            starvationGoal(results)};
    for (auto* part : {&wholeProgramGoals, &instructionGoals}) {
        const auto more = part(results);
        goals.insert(goals.end(), more.begin(), more.end());
    }
    return goals;
}

} // namespace molen_bench
