// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/timer_schedule.h"

#include <algorithm>
#include <utility>

namespace molen {

TimerSchedule::TimerSchedule(const FormModel& form) {
    for (ControlId id = 0; id < form.controls().size(); ++id) {
        if (const auto* timer = std::get_if<Timer>(&form.controls()[id].data))
            clocks_.push_back({id, timer->Interval(), std::nullopt});
    }
}

void TimerSchedule::start() { started_ = true; }

std::optional<double> TimerSchedule::nextDue(const Clock& clock, const Timer& model, double now,
                                             bool ticked) const {
    if (!started_ || !model.Enabled || clock.held)
        return std::nullopt;
    if (!clock.due || clock.interval != model.Interval())
        return now + model.Interval(); // started or re-timed: counts from now
    if (!ticked)
        return clock.due;
    const double next = *clock.due + model.Interval();
    return next > now - CatchUpLimit ? next : now + model.Interval();
}

std::vector<ControlId> TimerSchedule::follow(const FormModel& form, double now,
                                             std::optional<ControlId> ticked) {
    std::vector<ControlId> moved;
    for (Clock& clock : clocks_) {
        const auto& model = form.get<Timer>(clock.id);
        const auto due = nextDue(clock, model, now, ticked == clock.id);
        clock.interval = model.Interval();
        if (due != clock.due)
            moved.push_back(clock.id);
        clock.due = due;
    }
    return moved;
}

const TimerSchedule::Clock* TimerSchedule::clockOf(ControlId timer) const {
    const auto clock = std::find_if(clocks_.begin(), clocks_.end(),
                                    [timer](const Clock& c) { return c.id == timer; });
    return clock == clocks_.end() ? nullptr : &*clock;
}

TimerSchedule::Clock* TimerSchedule::clockOf(ControlId timer) {
    return const_cast<Clock*>(std::as_const(*this).clockOf(timer));
}

std::optional<double> TimerSchedule::dueAt(ControlId timer) const {
    const Clock* clock = clockOf(timer);
    return clock ? clock->due : std::nullopt;
}

void TimerSchedule::hold(ControlId timer, bool held) {
    if (Clock* clock = clockOf(timer))
        clock->held = held;
}

bool TimerSchedule::held(ControlId timer) const {
    const Clock* clock = clockOf(timer);
    return clock && clock->held;
}

} // namespace molen
