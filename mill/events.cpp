// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill/events.h"

#include "model/errors.h"

#include <algorithm>

namespace molen {

const EventBinding& bindingOf(MillEvent event) {
    return *std::find_if(EventTable.begin(), EventTable.end(),
                         [event](const EventBinding& binding) { return binding.event == event; });
}

std::optional<MillEvent> tickOf(ControlId id) {
    for (const EventBinding& binding : EventTable) {
        if (binding.timer && binding.timer->id == id)
            return binding.event;
    }
    return std::nullopt;
}

std::optional<std::string> runProcedure(FormModel& form, MillEvent event) {
    try {
        bindingOf(event).procedure(form);
    } catch (const ProcedureError& error) {
        return error.what();
    }
    return std::nullopt;
}

} // namespace molen
