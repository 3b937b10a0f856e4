// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A control as the page makes and shows it: in CSS pixels, CSS colours and CSS words.
#pragma once

#include "drawing/pixel_grid.h"
#include "model/form_model.h"

#include <string>

namespace molen::web {

// A font as CSS takes it: its size in CSS pixels and its weight.
struct FontView {
    double pixelSize = 0;
    int weight = 400;
};

// What a procedure may change of a control the page shows: a label's or button's Caption or a
// field's Text, whether it shows, a scroll bar's Value.
struct ControlState {
    int id = 0;
    std::string text;
    bool visible = true;
    int value = 0;
};

// A windowed control, to make its element of. Properties a kind lacks keep their defaults.
struct ControlView {
    std::string kind; // "field", "button" or "bar"
    std::string name; // the form's name for it, as Text1
    std::string accessibleName;
    drawing::Rect box; // CSS pixels
    FontView font;
    std::string foreColor, backColor, textAlign;
    int min = 0, max = 0, smallChange = 1, largeChange = 1;
    bool vertical = false;
    ControlState state;
};

// Windowed control `id` of `form` on `grid`.
ControlView viewOf(const FormModel& form, ControlId id, const drawing::PixelGrid& grid);

ControlState stateOf(const FormModel& form, ControlId id);

// "#rrggbb"; a system colour as the light theme has it.
std::string cssColour(const Colour& colour);

} // namespace molen::web
