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
#include <utility>

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

inline void setNumber(FormModel& form, Handle<TextBox> field, double value) {
    setText(form, field, NumberToText(value));
}

// The parts, one after another, become the label's caption. Every part is worked out before
// the caption changes, so an error leaves it as it was.
template <class... Parts>
void setCaption(FormModel& form, Handle<Label> label, const Parts&... parts) {
    std::string caption;
    (caption.append(parts), ...);
    form.edit(label).Caption = std::move(caption);
}

// Worked out afresh on every tick, as the mill always has.
inline double pi() { return 4 * std::atan(1.0); }

inline double radians(double degrees, double pi) { return degrees * pi / 180; }

} // namespace molen
