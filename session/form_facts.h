// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Facts about the form that every host shows the same way, each stated here once.
#pragma once

#include "model/form_model.h"

#include <string>
#include <string_view>
#include <vector>

namespace molen {

// The windowed controls (text fields, scroll bars, the button), in rising TabIndex: the order
// the focus moves in. Hidden fields are among them and are skipped while hidden.
std::vector<ControlId> tabOrder(const FormModel& form);

// Whether the control is a widget of the host's rather than painted or invisible.
bool isWindowed(const ControlData& control);

// What assistive technology names control `id` by: the caption of the label beside it; empty
// where none names it (the button names itself by its caption).
std::string accessibleName(const FormModel& form, ControlId id);

// The user's means to stop the banner and let it move again, the same in every host: a toggle,
// on while the banner stands, its hint, and the key (a key name both Qt and the DOM know).
inline constexpr std::string_view BannerStopName = "Lichtkrant stilzetten";
inline constexpr std::string_view BannerStopHint =
    "De lopende tekst bovenin stilzetten of weer laten lopen";
inline constexpr std::string_view BannerStopKey = "Pause";

// A system colour as the light theme has it: the colours a host without the desktop's palette
// (the web page) shows.
Colour lightThemeColour(SystemColour colour);

} // namespace molen
