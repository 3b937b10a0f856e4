// The performance goals, each judged from the collected results as met or missed.
#pragma once

#include "results.h"

namespace molen_bench {

struct Goal {
    QString what;
    QString figure;
    bool met = false;
};

double median(std::vector<double> values);
std::vector<double> wholeFigure(const Results& results, const QString& who,
                                double (*figure)(const WholeRun&));
double cpuSeconds(const WholeRun& run);

std::vector<Goal> judgeGoals(const Results& results);

} // namespace molen_bench
