// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A typed handle on one control of the form: its place in stacking order, its kind and its name,
// all fixed when the program is compiled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace molen {

// Index of a control in stacking order: 0 is the frontmost.
using ControlId = std::size_t;

template <class Kind>
struct Handle {
    ControlId id;
    std::string_view name;
    std::optional<std::int16_t> index = {}; // elements of a control array only
};

} // namespace molen
