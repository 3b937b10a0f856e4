// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One control as the page shows it: every property the page reads, its box in CSS pixels.
#pragma once

#include "drawing/pixel_grid.h"
#include "model/form_model.h"

#include <string>

namespace molen::web {

// The kinds of control, in the order of molen::ControlData.
enum class ControlKind { Label, TextBox, CommandButton, ScrollBar, Timer, Line, Shape };

// A font as CSS takes it: its size in CSS pixels and its weight.
struct FontView {
    double pixelSize = 0;
    int weight = 400;
};

// Properties a kind lacks keep their defaults here.
struct ControlView {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    std::string name; // the form's name for it, as Text1
    std::string text; // a label's or button's Caption, a field's Text
    std::string accessibleName;
    drawing::Rect box; // CSS pixels
    bool visible = true;
    int tabIndex = 0;
    FontView font;
    Colour foreColor, backColor;
    molen::Alignment alignment = molen::Alignment::Left;
    int min = 0, max = 0, value = 0, smallChange = 1, largeChange = 1;
    molen::Orientation orientation = molen::Orientation::Horizontal;
    bool enabled = false;
    int interval = 0;
};

// What a procedure may change of a control that the page shows: a label's or button's Caption
// or a field's Text, whether it shows, a scroll bar's Value, a timer's Enabled and Interval.
struct ControlState {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    std::string text;
    bool visible = true;
    int value = 0;
    bool enabled = false;
    int interval = 0;
};

// Control `id` of `form` on `grid`, named by the caption of the label beside it, if any.
ControlView viewOf(const FormModel& form, ControlId id, const drawing::PixelGrid& grid);

ControlState stateOf(const FormModel& form, ControlId id);

} // namespace molen::web
