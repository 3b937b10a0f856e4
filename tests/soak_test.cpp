// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole day of the mill at the strongest wind, ticked by hand as fast as it goes: every sail
// and stone is drawn where the count of ticks since the last release puts it, no tick fails,
// and the heap holds no more at the end than after the first minutes.
#include "mill_fixture.h"

#include <cstddef>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#ifdef __SANITIZE_ADDRESS__
// From the sanitizer runtime; g++ ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace molen::testing_support {
namespace {

// A day of 43 ms ticks; the sanitizer and WebAssembly builds, some ten times slower, soak for a
// tenth of it.
#if defined(__SANITIZE_ADDRESS__) || defined(__EMSCRIPTEN__)
constexpr long Ticks = 200'000;
#else
constexpr long Ticks = 2'000'000;
#endif
constexpr long BrakeEvery = 99'991; // steps between releases; the brake is on for 7 of them
constexpr double Ratio = 4.5;

std::size_t heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#elif defined(__EMSCRIPTEN__)
    return static_cast<std::size_t>(mallinfo().uordblks); // its malloc has no mallinfo2
#elif defined(_WIN32)
    std::size_t used = 0; // the C runtime's heap has no totals: its blocks in use, summed
    _HEAPINFO entry{};
    while (_heapwalk(&entry) == _HEAPOK)
        used += entry._useflag == _USEDENTRY ? entry._size : 0;
    return used;
#else
    return mallinfo2().uordblks;
#endif
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    return -1;
}

bool within(const Line& drawn, const EndPoint& expected) {
    return std::abs(drawn.X2 - expected.x) <= 1 && std::abs(drawn.Y2 - expected.y) <= 1;
}

// Counts the ticks since the last release and checks each drawing against that count.
struct Soak {
    FormModel form = runningForm();
    long sailTicks = 0, stoneTicks = 0, sinceRelease = 0, misplaced = 0;

    void step(long i) {
        if (i % BrakeEvery == BrakeEvery - 8 || i % BrakeEvery == BrakeEvery - 1) {
            Command1_Click(form);
            sinceRelease = 0;
        }
        if (form.get<Timer>("Timer1").Enabled)
            sail();
        if (form.get<Timer>("Timer2").Enabled)
            stone();
        ++sinceRelease;
    }
    void sail() {
        Timer1_Timer(form);
        ++sailTicks;
        const double degrees = 1 + 10.0 * static_cast<double>(sinceRelease);
        misplaced += !within(line(form, "Line1"), endPoint(5000, 3600, 1600, degrees, -1));
        misplaced += !within(line(form, "Line3"), endPoint(5000, 3600, 1600, degrees + 90, -1));
    }
    void stone() {
        Timer2_Timer(form);
        ++stoneTicks;
        const double degrees = 1 - 10 * Ratio * static_cast<double>(sinceRelease);
        misplaced += !within(line(form, "Line6"), endPoint(1600, 3400, 800, degrees, 1));
        misplaced += !within(line(form, "Line7"), endPoint(1600, 3400, 800, degrees + 180, 1));
    }
};

TEST(Soak, ADayAtTheStrongestWindStaysOnCourseInConstantMemory) {
    Soak soak;
    setWind(soak.form, 140);
    constexpr long WarmUp = 10'000;
    for (long i = 0; i < WarmUp; ++i)
        soak.step(i);
    const std::size_t heapBefore = heapInUse();
    const long residentBefore = residentKilobytes();
    for (long i = WarmUp; i < Ticks; ++i)
        soak.step(i);

    EXPECT_EQ(soak.misplaced, 0);
    EXPECT_GT(soak.sailTicks, Ticks * 99 / 100);
    EXPECT_EQ(soak.stoneTicks, soak.sailTicks);
    EXPECT_EQ(soak.form.get<Timer>("Timer2").Interval(), 43);
    EXPECT_LE(heapInUse(), heapBefore + 4096) << "heap in use grew";
    std::printf("%ld sail and %ld stone ticks; heap in use %zu -> %zu bytes, "
                "resident %ld -> %ld kB\n",
                soak.sailTicks, soak.stoneTicks, heapBefore, heapInUse(), residentBefore,
                residentKilobytes());
}

} // namespace
} // namespace molen::testing_support
