// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tick_log.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace molen_bench {

std::vector<Period> periodsOf(const std::vector<Tick>& ticks) {
    std::map<std::string, double> lastAt;
    std::vector<Period> periods;
    for (const Tick& tick : ticks) {
        if (auto last = lastAt.find(tick.timer); last != lastAt.end())
            periods.push_back({tick.timer, tick.nominalMs, tick.atMs - last->second, tick.atMs});
        lastAt[tick.timer] = tick.atMs;
    }
    return periods;
}

double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0;
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * values.size())) - 1;
    const auto nth = values.begin() + std::min(rank, values.size() - 1);
    std::nth_element(values.begin(), nth, values.end());
    return *nth;
}

namespace {

struct Group {
    std::vector<double> periods;
    double span = 0;
};

PeriodStats statsOf(const std::string& timer, int nominal, const Group& group) {
    const auto& p = group.periods;
    const double mean = std::accumulate(p.begin(), p.end(), 0.0) / p.size();
    return {timer,
            nominal,
            std::lround(std::floor(group.span / nominal + 0.5)),
            static_cast<long>(p.size()),
            (mean - nominal) / nominal * 100,
            percentile(p, 0.5),
            percentile(p, 0.99),
            *std::max_element(p.begin(), p.end())};
}

} // namespace

std::vector<PeriodStats> summarise(const std::vector<Tick>& ticks, double endMs) {
    std::vector<std::pair<std::string, int>> order;
    std::map<std::pair<std::string, int>, Group> groups;
    for (const Period& period : periodsOf(ticks)) {
        const auto key = std::make_pair(period.timer, period.nominalMs);
        if (!groups.contains(key))
            order.push_back(key);
        groups[key].periods.push_back(period.ms);
        groups[key].span += period.ms;
    }
    // The time after a timer's last tick still belongs to the interval that tick ran under;
    // only whole intervals of it count as expected ticks.
    std::map<std::string, double> lastAt;
    for (const Tick& tick : ticks)
        lastAt[tick.timer] = tick.atMs;
    std::vector<PeriodStats> rows;
    for (const auto& key : order) {
        Group group = groups[key];
        const auto last = std::find_if(order.rbegin(), order.rend(),
                                       [&](const auto& k) { return k.first == key.first; });
        if (*last == key)
            group.span += std::floor((endMs - lastAt[key.first]) / key.second) * key.second;
        rows.push_back(statsOf(key.first, key.second, group));
    }
    return rows;
}

} // namespace molen_bench
