// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/form_facts.h"

#include "model/form1.h"

#include <algorithm>

namespace molen {
namespace {

// Windowed kinds are exactly those that take the focus, and so those with a TabIndex.
std::optional<std::int16_t> tabIndexOf(const ControlData& data) {
    return std::visit(
        [](const auto& control) -> std::optional<std::int16_t> {
            if constexpr (requires { control.TabIndex; })
                return control.TabIndex;
            else
                return std::nullopt;
        },
        data);
}

} // namespace

bool isWindowed(const ControlData& control) { return tabIndexOf(control).has_value(); }

std::vector<ControlId> tabOrder(const FormModel& form) {
    std::vector<std::pair<std::int16_t, ControlId>> chain;
    for (ControlId id = 0; id < form.controls().size(); ++id) {
        if (const auto tabIndex = tabIndexOf(form.controls()[id].data))
            chain.emplace_back(*tabIndex, id);
    }
    std::stable_sort(chain.begin(), chain.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ControlId> order;
    order.reserve(chain.size());
    for (const auto& link : chain)
        order.push_back(link.second);
    return order;
}

std::string accessibleName(const FormModel& form, ControlId id) {
    for (const form1::NamedBy& named : form1::CaptionOf) {
        if (named.control == id)
            return form.get(named.caption).Caption;
    }
    return {};
}

Colour lightThemeColour(SystemColour colour) {
    switch (colour) {
    case SystemColour::ButtonFace:
        return Colour::rgb(0xef, 0xef, 0xef);
    case SystemColour::WindowBackground:
        return Colour::rgb(0xff, 0xff, 0xff);
    case SystemColour::ButtonText:
    case SystemColour::WindowText:
    case SystemColour::None:
        break;
    }
    return Colour::rgb(0, 0, 0);
}

} // namespace molen
