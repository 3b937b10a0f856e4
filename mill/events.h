// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The form's events bound to their procedures, in one table, and the one way to run them.
#pragma once

#include "mill/procedures.h"
#include "model/form1.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace molen {

enum class MillEvent { Load, Command1Click, Timer1Tick, Timer2Tick, Timer3Tick };

struct EventBinding {
    MillEvent event;
    std::string_view procedureName;
    void (*procedure)(FormModel&);
    std::optional<Handle<Timer>> timer; // the timer whose tick this is
};

inline constexpr std::array<EventBinding, 5> EventTable{{
    {MillEvent::Load, "Form_Load", Form_Load, {}},
    {MillEvent::Command1Click, "Command1_Click", Command1_Click, {}},
    {MillEvent::Timer1Tick, "Timer1_Timer", Timer1_Timer, form1::Timer1},
    {MillEvent::Timer2Tick, "Timer2_Timer", Timer2_Timer, form1::Timer2},
    {MillEvent::Timer3Tick, "Timer3_Timer", Timer3_Timer, form1::Timer3},
}};

const EventBinding& bindingOf(MillEvent event);

// The tick of the timer that is control `id`; nullopt where that control is no timer.
std::optional<MillEvent> tickOf(ControlId id);

// Runs the event's procedure. An error ends the procedure at the failing step, and what it had
// set before stays set; the error's message is returned, nullopt when the procedure ran through.
std::optional<std::string> runProcedure(FormModel& form, MillEvent event);

} // namespace molen
