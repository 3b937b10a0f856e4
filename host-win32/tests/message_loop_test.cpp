// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The loop's timing: a timer of the strongest wind's sail interval (6000 / 140 = 42.86, set as
// 43 ms) ticks every 43 ms within 1 %, and messages keep flowing between the ticks.
#include "host-win32/message_loop.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace molen::win32 {
namespace {

constexpr double Interval = 43;
constexpr int Ticks = 60;

struct Timing {
    std::vector<double> periods, lateness;
    int messages = 0;
};

// Ticks `Ticks` times on a schedule of due times `Interval` apart, as the session keeps them,
// posting a message to itself after each tick.
Timing tickOnSchedule() {
    Timing run;
    double due = steadyMilliseconds() + Interval, last = 0;
    int ticks = 0;
    MessageLoop loop;
    const DWORD thread = GetCurrentThreadId();
    loop.run({[&] { return std::optional<double>(due); },
              [&] {
                  const double now = steadyMilliseconds();
                  if (now < due)
                      return;
                  if (last > 0)
                      run.periods.push_back(now - last);
                  run.lateness.push_back(now - due);
                  last = now;
                  due += Interval;
                  PostThreadMessageW(thread, WM_APP, 0, 0);
                  if (++ticks == Ticks)
                      PostQuitMessage(0);
              },
              [&](const MSG& message) {
                  return run.messages += message.message == WM_APP, true;
              }});
    return run;
}

// What a run's timing is like, printed.
struct Judged {
    double medianLateness;
};

Judged judge(const Timing& run) {
    std::vector<double> off, late = run.lateness;
    for (const double period : run.periods)
        off.push_back(std::abs(period - Interval));
    std::sort(off.begin(), off.end());
    std::sort(late.begin(), late.end());
    const double mean =
        std::accumulate(run.periods.begin(), run.periods.end(), 0.0) / double(run.periods.size());
    const auto within =
        std::count_if(off.begin(), off.end(), [](double d) { return d <= Interval / 100; });
    std::printf("%zu periods of %.0f ms: mean %.3f ms; off by %.3f ms at the median, %.3f at the "
                "90th percentile, %.3f at most; %d within 1 %%; late by %.3f ms at the median\n",
                off.size(), Interval, mean, off[off.size() / 2], off[off.size() * 9 / 10],
                off.back(), int(within), late[late.size() / 2]);
    return {late[late.size() / 2]};
}

// A period is within 1 % where both its ticks come within half of that of their due times: judged
// at the median, as on a busy machine the system lets a tick wait now and then (and the next, due
// an interval after the last was due, comes the sooner for it); the best of three runs, as a
// machine shared with other work may starve one.
TEST(MessageLoop, TicksEveryPeriodWithinOnePercentOfItsInterval) {
    Judged best{1e9};
    for (int round = 0; round < 3 && best.medianLateness > Interval / 200; ++round) {
        const Timing run = tickOnSchedule();
        ASSERT_EQ(run.periods.size(), std::size_t(Ticks - 1));
        EXPECT_GE(run.messages, Ticks - 1) << "the messages posted between the ticks handed on";
        if (const Judged judged = judge(run); judged.medianLateness < best.medianLateness)
            best = judged;
    }
    EXPECT_LE(best.medianLateness, Interval / 200);
}

} // namespace
} // namespace molen::win32
