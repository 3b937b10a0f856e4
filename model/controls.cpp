// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls.h"

#include "errors.h"

namespace molen {

void Box::Move(float left, std::optional<float> top, std::optional<float> width,
               std::optional<float> height) {
    Left = left;
    Top = top.value_or(Top);
    Width = width.value_or(Width);
    Height = height.value_or(Height);
}

ScrollBar::ScrollBar(Orientation orientation, std::int16_t min, std::int16_t max)
    : orientation_(orientation)
    , min_(min)
    , max_(max)
    , value_(min) {}

void ScrollBar::setValue(int value) {
    if (value < min_ || value > max_)
        throw InvalidPropertyValue("Invalid property value");
    value_ = static_cast<std::int16_t>(value);
}

Timer::Timer(std::int32_t interval)
    : interval_(interval) {}

void Timer::setInterval(std::int32_t interval) {
    if (interval < MinInterval || interval > MaxInterval)
        throw InvalidPropertyValue("Invalid property value");
    interval_ = interval;
}

} // namespace molen
