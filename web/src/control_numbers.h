// SPDX-FileCopyrightText: 2026 The Molen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A control's properties as the numbers and text the page reads (see MolenProperty).
#pragma once

#include "model/controls.h"

#include <string>

namespace molen {

// 0xRRGGBB for a fixed colour, minus the system colour's number for a system colour.
double colourNumber(const Colour& colour);
// The property's value, NaN where the control's kind has no such property.
double numberOf(const ControlData& control, int property);
// A label's or button's Caption, a field's Text; empty for the other kinds.
const std::string& textOf(const ControlData& control);

} // namespace molen
