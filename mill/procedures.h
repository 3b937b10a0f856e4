// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The mill's event procedures. Each reads and writes the form and returns; a ProcedureError ends
// it at the failing step, and what it had set before that step stays set.
#pragma once

#include "model/form_model.h"

namespace molen {

// Once, after the form is built and before the window shows: braked, banner at its start.
void Form_Load(FormModel& form);
// The brake button: releases the brake when braked, applies it when running.
void Command1_Click(FormModel& form);
// The sail tick: wind from the slider, its own interval, the advisory, the interval readout
// and the four sails.
void Timer1_Timer(FormModel& form);
// The runner-stone tick: ratio and diameter, its own interval from the wind in Text2, the two
// radius lines and the speed readouts.
void Timer2_Timer(FormModel& form);
// The banner tick: moves the banner right and brings it back in from the left.
void Timer3_Timer(FormModel& form);

} // namespace molen
