// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of the conversions and of each tick procedure, without a window.
#include "mill/procedures.h"
#include "model/conversions.h"
#include "model/initial_form.h"

#include <benchmark/benchmark.h>
#include <charconv>

namespace {

using namespace molen;

// The floor for the conversions: the standard library's own round trip of a double through
// its shortest text, which they are built on.
void standardRoundTrip(benchmark::State& state) {
    char text[32];
    for (auto _ : state) {
        const double value = 6000.0 / 140;
        const auto written = std::to_chars(text, text + sizeof text, value);
        double back = 0;
        std::from_chars(text, written.ptr, back);
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(standardRoundTrip);

void textToNumber(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(TextToNumber("42.8571428571429"));
}
BENCHMARK(textToNumber);

void numberToText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(NumberToText(6000.0 / 140));
}
BENCHMARK(numberToText);

void textToInteger(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(TextToInteger("42.8571428571429"));
}
BENCHMARK(textToInteger);

void formatPattern(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatPattern(31.3373867, "0.00  m/sec"));
}
BENCHMARK(formatPattern);

// A loaded form with the brake released, the wind at 140 and one sail tick behind it, so that
// every later tick runs all of its steps.
FormModel runningAt140() {
    FormModel form = InitialForm();
    Form_Load(form);
    Command1_Click(form);
    form.edit<ScrollBar>("VScroll1").setValue(140);
    Timer1_Timer(form);
    return form;
}

template <void (*Tick)(FormModel&)>
void tick(benchmark::State& state) {
    FormModel form = runningAt140();
    for (auto _ : state) {
        Tick(form);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(tick<Timer1_Timer>)->Name("Timer1_Timer");
BENCHMARK(tick<Timer2_Timer>)->Name("Timer2_Timer");
BENCHMARK(tick<Timer3_Timer>)->Name("Timer3_Timer");

} // namespace

BENCHMARK_MAIN();
