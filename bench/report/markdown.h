// The report's text: goals, timing, whole-program and per-tick figures as Markdown.
#pragma once

#include "results.h"

namespace molen_bench {

QString markdownReport(const Results& results, const QString& pictureName);

} // namespace molen_bench
