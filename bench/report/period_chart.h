// A picture of how each timer's periods spread about its interval, one histogram per wind and
// timer, drawn with Qt.
#pragma once

#include "results.h"

#include <QImage>

namespace molen_bench {

QImage periodChart(const std::vector<PeriodSample>& periods);

} // namespace molen_bench
