// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One precise QTimer for each of the form's timers, made to follow the model's Interval, and
// its Enabled once the bank has been started.
#pragma once

#include "model/form_model.h"

#include <QTimer>
#include <functional>
#include <vector>

namespace molen {

class TimerBank {
  public:
    using TickHandler = std::function<void(ControlId)>;

    // The QTimers are children of `owner`, each named after its control.
    TimerBank(QObject& owner, const FormModel& form, const TickHandler& onTick);

    // From here on the timers run as the model says; until then none runs.
    void start();

    // Re-times, stops or starts the QTimer of control `id`, if it is a timer, to match the
    // model. An unchanged interval is never set again: Qt restarts a timer on every
    // setInterval, which would stretch the tick that is running.
    void follow(ControlId id);

  private:
    const FormModel& form_;
    std::vector<QTimer*> timers_; // owned by their parent; nullptr where the control is no timer
    bool started_ = false;
};

} // namespace molen
