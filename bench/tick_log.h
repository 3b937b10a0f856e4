// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The times at which the mill's timers ticked, and their periods summed up per timer and per
// interval against the interval each period was set to run.
#pragma once

#include <string>
#include <vector>

namespace molen_bench {

struct Tick {
    std::string timer;
    double atMs;   // since the start of the run, on a monotonic clock
    int nominalMs; // the timer's interval for the period that this tick ends
};

struct Period {
    std::string timer;
    int nominalMs;
    double ms;
    double endsAtMs;
};

struct PeriodStats {
    std::string timer;
    int nominalMs = 0;
    long expected = 0; // whole intervals in the time this interval was in force
    long seen = 0;
    double meanErrorPercent = 0;
    double p50 = 0, p99 = 0, longest = 0;
};

std::vector<Period> periodsOf(const std::vector<Tick>& ticks);

// One row per timer and interval, in the order the timers first ticked; `endMs` closes the
// time of each timer's last interval.
std::vector<PeriodStats> summarise(const std::vector<Tick>& ticks, double endMs);

double percentile(std::vector<double> values, double fraction);

} // namespace molen_bench
