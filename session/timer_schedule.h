// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// When each of the form's timers is next due, on a host's clock of milliseconds.
#pragma once

#include "model/form_model.h"

#include <optional>
#include <vector>

namespace molen {

// The one timer policy: a tick is due one Interval after the last one was due; a late tick runs
// at once and the next keeps the beat, but one more than CatchUpLimit late (a background tab, a
// suspended laptop) counts afresh from then, so that no stall ends in a burst of ticks.
class TimerSchedule {
  public:
    static constexpr double CatchUpLimit = 250; // ms

    explicit TimerSchedule(const FormModel& form);

    // From `now` on the timers run as the model says; until then none is due.
    void start();
    // Follows the model's Enabled and Interval of every timer at `now`; `ticked` is the timer
    // whose tick, due at its due time, has just run. A start or a new Interval counts from now.
    // Returns the timers whose due time moved.
    std::vector<ControlId> follow(const FormModel& form, double now,
                                  std::optional<ControlId> ticked = {});
    // When the timer is next due; nullopt while it is stopped.
    std::optional<double> dueAt(ControlId timer) const;
    bool started() const { return started_; }
    // A held timer is not due, whatever the model says; let go, it counts from the next follow.
    void hold(ControlId timer, bool held);
    bool held(ControlId timer) const;

  private:
    struct Clock {
        ControlId id;
        std::int32_t interval = 0;
        std::optional<double> due;
        bool held = false;
    };
    Clock* clockOf(ControlId timer);
    const Clock* clockOf(ControlId timer) const;
    std::optional<double> nextDue(const Clock& clock, const Timer& model, double now,
                                  bool ticked) const;

    std::vector<Clock> clocks_;
    bool started_ = false;
};

} // namespace molen
