// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control_view.h"

#include "model/form1.h"

#include <type_traits>

namespace molen::web {
namespace {

template <ControlKind kind, class Kind>
constexpr bool sameOrder =
    std::is_same_v<std::variant_alternative_t<static_cast<std::size_t>(kind), ControlData>, Kind>;
static_assert(sameOrder<ControlKind::Label, Label> && sameOrder<ControlKind::TextBox, TextBox> &&
              sameOrder<ControlKind::CommandButton, CommandButton> &&
              sameOrder<ControlKind::ScrollBar, ScrollBar> &&
              sameOrder<ControlKind::Timer, Timer> && sameOrder<ControlKind::Line, Line> &&
              sameOrder<ControlKind::Shape, Shape>);

template <class Kind>
void readLook(const Kind& c, const drawing::PixelGrid& grid, ControlView& view) {
    if constexpr (std::is_base_of_v<Box, Kind>)
        view.box = grid.rect(c);
    if constexpr (requires { c.Font; })
        view.font = {grid.fontPixels(c.Font.Size), c.Font.Weight};
    if constexpr (requires { c.Alignment; })
        view.alignment = c.Alignment;
    if constexpr (requires { c.ForeColor; })
        view.foreColor = c.ForeColor;
    if constexpr (requires { c.BackColor; })
        view.backColor = c.BackColor;
    if constexpr (requires { c.TabIndex; })
        view.tabIndex = c.TabIndex;
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
    if constexpr (std::is_same_v<Kind, Timer>) {
        state.enabled = c.Enabled;
        state.interval = c.Interval();
    }
}

void readBar(const ScrollBar& bar, ControlView& view) {
    view.min = bar.Min();
    view.max = bar.Max();
    view.smallChange = bar.SmallChange;
    view.largeChange = bar.LargeChange;
    view.orientation = bar.orientation();
}

std::string accessibleName(const FormModel& form, ControlId id) {
    for (const form1::NamedBy& named : form1::CaptionOf) {
        if (named.control == id)
            return form.get(named.caption).Caption;
    }
    return {};
}

} // namespace

ControlView viewOf(const FormModel& form, ControlId id, const drawing::PixelGrid& grid) {
    const ControlData& data = form.controls()[id].data;
    ControlView view;
    view.id = static_cast<int>(id);
    view.kind = static_cast<ControlKind>(data.index());
    view.name = form.controls()[id].Name;
    view.accessibleName = accessibleName(form, id);
    std::visit([&](const auto& c) { readLook(c, grid, view); }, data);
    if (const auto* bar = std::get_if<ScrollBar>(&data))
        readBar(*bar, view);
    const ControlState state = stateOf(form, id);
    view.text = state.text;
    view.visible = state.visible;
    view.value = state.value;
    view.enabled = state.enabled;
    view.interval = state.interval;
    return view;
}

ControlState stateOf(const FormModel& form, ControlId id) {
    const ControlData& data = form.controls()[id].data;
    ControlState state;
    state.id = static_cast<int>(id);
    state.kind = static_cast<ControlKind>(data.index());
    std::visit([&](const auto& c) { readState(c, state); }, data);
    return state;
}

} // namespace molen::web
