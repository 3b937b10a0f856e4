// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A loaded form and short ways to read and drive it, for the tests of the procedures.
#pragma once

#include "mill/procedures.h"
#include "model/initial_form.h"

#include <cmath>
#include <string>
#include <string_view>

namespace molen::testing_support {

inline FormModel loadedForm() {
    FormModel form = InitialForm();
    Form_Load(form);
    return form;
}

// A loaded form with the brake released.
inline FormModel runningForm() {
    FormModel form = loadedForm();
    Command1_Click(form);
    return form;
}

inline void setWind(FormModel& form, int passesPerMinute) {
    form.edit<ScrollBar>("VScroll1").setValue(passesPerMinute);
}

inline const std::string& text(const FormModel& form, std::string_view field) {
    return form.get<TextBox>(field).Text;
}

inline void setText(FormModel& form, std::string_view field, std::string value) {
    form.edit<TextBox>(field).Text = std::move(value);
}

inline const Line& line(const FormModel& form, std::string_view name) {
    return form.get<Line>(name);
}

// Where a line of that length from that centre ends at that angle, turned by the sign given.
struct EndPoint {
    double x, y;
};

inline EndPoint endPoint(double cx, double cy, double length, double degrees, double sign) {
    const double theta = degrees * std::acos(-1.0) / 180;
    return {cx + sign * std::sin(theta) * length, cy + sign * std::cos(theta) * length};
}

} // namespace molen::testing_support
