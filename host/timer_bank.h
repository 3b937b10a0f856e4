// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One precise single-shot QTimer for each of the form's timers, set off at the time the session
// says the timer is next due.
#pragma once

#include "model/form_model.h"

#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

namespace molen {

class TimerBank {
  public:
    using TickHandler = std::function<void(Handle<Timer>)>;

    // The QTimers are children of `owner`, each named after its control.
    TimerBank(QObject& owner, const std::vector<Handle<Timer>>& timers, const TickHandler& onTick);

    // Sets timer `id` off at `due`, or stops it; times in milliseconds of the clock `now` is of.
    void schedule(ControlId id, std::optional<double> due, double now);

  private:
    std::vector<std::pair<ControlId, QTimer*>> timers_; // owned by their parent
};

} // namespace molen
