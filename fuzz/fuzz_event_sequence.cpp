// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any sequence of the user's work and the timers' ticks, run through the procedures as the window
// delivers them, with the mill's invariants checked after every event: no "inf" or "nan" shown
// that the user did not type, intervals a timer can take, sails and stone lines no longer than
// they are, the banner within its course, and the wind field rewritten by every sail tick.
#include "fuzz_support.h"
#include "mill/procedures.h"
#include "model/conversions.h"
#include "model/errors.h"
#include "model/initial_form.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>
#include <string>

using namespace molen;
using namespace molen::fuzzing;

namespace {

constexpr std::array<const char*, 3> Sliders{"VScroll1", "HScroll1", "HScroll2"};
constexpr std::array<const char*, 3> VisibleFields{"Text2", "Text4", "Text8"};
constexpr float BannerRestart = -2300;

struct Radial {
    const char* line;
    float centreX, centreY, length;
};
constexpr std::array<Radial, 6> TurningLines{{{"Line1", 5000, 3600, 1600},
                                              {"Line2", 5000, 3600, 1600},
                                              {"Line3", 5000, 3600, 1600},
                                              {"Line4", 5000, 3600, 1600},
                                              {"Line6", 1600, 3400, 800},
                                              {"Line7", 1600, 3400, 800}}};

bool showsInfOrNan(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

void checkTexts(const FormModel& form, const std::set<std::string>& typed) {
    for (const Control& control : form.controls()) {
        if (const auto* field = std::get_if<TextBox>(&control.data))
            require(!showsInfOrNan(field->Text) || typed.contains(field->Text),
                    "no inf or nan in a field the user did not type", field->Text);
        if (const auto* label = std::get_if<Label>(&control.data))
            require(!showsInfOrNan(label->Caption), "no inf or nan in a caption", label->Caption);
    }
}

void checkGeometry(const FormModel& form, bool afterBannerTick) {
    for (const Radial& r : TurningLines) {
        const auto& line = form.get<Line>(r.line);
        const double reach = std::hypot(line.X2 - r.centreX, line.Y2 - r.centreY);
        require(line.X1 == r.centreX && line.Y1 == r.centreY && reach <= r.length + 0.01,
                "a turning line keeps its centre and length", r.line);
    }
    const float left = form.get<Label>("Label10").Left;
    require(left >= BannerRestart, "the banner starts no further left than its restart");
    if (afterBannerTick)
        require(left == BannerRestart || left <= form.form().Width,
                "a banner tick leaves the banner within the window or restarts it");
}

void checkTimers(const FormModel& form) {
    for (const char* name : {"Timer1", "Timer2", "Timer3"}) {
        const std::int32_t interval = form.get<molen::Timer>(name).Interval();
        require(interval >= molen::Timer::MinInterval && interval <= molen::Timer::MaxInterval,
                "every timer keeps an interval it can take", name);
    }
}

void deliver(void (*procedure)(FormModel&), FormModel& form) {
    try {
        procedure(form);
    } catch (const ProcedureError&) {
        // The procedure ends at the failing step, as the window lets it.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FormModel form = InitialForm();
    Form_Load(form);
    form.setWidth(10995);
    std::set<std::string> typed;
    while (input.remaining_bytes() > 0) {
        const int event = input.ConsumeIntegralInRange(0, 6);
        if (event == 0) {
            deliver(Command1_Click, form);
        } else if (event == 1) {
            deliver(Timer1_Timer, form);
            require(form.get<TextBox>("Text2").Text ==
                        IntegerToText(form.get<ScrollBar>("VScroll1").Value()),
                    "a sail tick shows the wind slider's value");
        } else if (event == 2) {
            deliver(Timer2_Timer, form);
        } else if (event == 3) {
            deliver(Timer3_Timer, form);
        } else if (event == 4) {
            auto& slider = form.edit<ScrollBar>(input.PickValueInArray(Sliders));
            slider.setValue(input.ConsumeIntegralInRange<int>(slider.Min(), slider.Max()));
        } else if (event == 5) {
            std::string text = input.ConsumeRandomLengthString(64);
            typed.insert(text);
            form.edit<TextBox>(input.PickValueInArray(VisibleFields)).Text = std::move(text);
        } else {
            form.setWidth(static_cast<float>(input.ConsumeIntegralInRange(0, 100000)));
        }
        checkTexts(form, typed);
        checkGeometry(form, event == 3);
        checkTimers(form);
    }
    return 0;
}
