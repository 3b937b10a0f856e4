// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing the text fields that hold the mill's working values.
#pragma once

#include "model/conversions.h"
#include "model/form1.h"
#include "model/form_model.h"

#include <cmath>
#include <string>

namespace molen {

inline const std::string& text(const FormModel& form, Handle<TextBox> field) {
    return form.get(field).Text;
}

inline double number(const FormModel& form, Handle<TextBox> field) {
    return TextToNumber(text(form, field));
}

inline void setText(FormModel& form, Handle<TextBox> field, std::string value) {
    form.edit(field).Text = std::move(value);
}

// Worked out afresh on every tick, as the mill always has.
inline double pi() { return 4 * std::atan(1.0); }

inline double radians(double degrees, double pi) { return degrees * pi / 180; }

} // namespace molen
