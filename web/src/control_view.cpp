// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control_view.h"

#include "session/form_facts.h"

#include <array>
#include <cstdio>
#include <type_traits>

namespace molen::web {
namespace {

// What the page makes of a windowed control.
const char* kindOf(const TextBox&) { return "field"; }
const char* kindOf(const CommandButton&) { return "button"; }
const char* kindOf(const ScrollBar&) { return "bar"; }
const char* kindOf(const auto&) { return ""; }

// CSS's text-align of each Alignment, in the enum's order.
constexpr std::array<const char*, 3> TextAligns{"left", "right", "center"};

void readBar(const ScrollBar& bar, ControlView& view) {
    view.min = bar.Min();
    view.max = bar.Max();
    view.smallChange = bar.SmallChange;
    view.largeChange = bar.LargeChange;
    view.vertical = bar.orientation() == Orientation::Vertical;
}

template <class Kind>
void readLook(const Kind& c, const drawing::PixelGrid& grid, ControlView& view) {
    view.kind = kindOf(c);
    if constexpr (std::is_base_of_v<Box, Kind>)
        view.box = grid.rect(c);
    if constexpr (requires { c.Font; })
        view.font = {grid.fontPixels(c.Font.Size), c.Font.Weight};
    if constexpr (requires { c.Alignment; })
        view.textAlign = TextAligns.at(static_cast<std::size_t>(c.Alignment));
    if constexpr (requires { c.ForeColor; })
        view.foreColor = cssColour(c.ForeColor);
    if constexpr (requires { c.BackColor; })
        view.backColor = cssColour(c.BackColor);
    if constexpr (std::is_same_v<Kind, ScrollBar>)
        readBar(c, view);
}

template <class Kind>
void readState(const Kind& c, ControlState& state) {
    if constexpr (requires { c.Visible; })
        state.visible = c.Visible;
    if constexpr (requires { c.Caption; })
        state.text = c.Caption;
    if constexpr (requires { c.Text; })
        state.text = c.Text;
    if constexpr (std::is_same_v<Kind, ScrollBar>)
        state.value = c.Value();
}

} // namespace

ControlView viewOf(const FormModel& form, ControlId id, const drawing::PixelGrid& grid) {
    ControlView view;
    view.name = form.controls()[id].Name;
    view.accessibleName = accessibleName(form, id);
    std::visit([&](const auto& c) { readLook(c, grid, view); }, form.controls()[id].data);
    view.state = stateOf(form, id);
    return view;
}

ControlState stateOf(const FormModel& form, ControlId id) {
    ControlState state;
    state.id = static_cast<int>(id);
    std::visit([&](const auto& c) { readState(c, state); }, form.controls()[id].data);
    return state;
}

std::string cssColour(const Colour& colour) {
    const bool system = colour.system != SystemColour::None;
    const Colour rgb = system ? lightThemeColour(colour.system) : colour;
    char css[8];
    std::snprintf(css, sizeof css, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return css;
}

} // namespace molen::web
