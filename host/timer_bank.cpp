// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/timer_bank.h"

#include <algorithm>
#include <cmath>

namespace molen {

TimerBank::TimerBank(QObject& owner, const std::vector<Handle<Timer>>& timers,
                     const TickHandler& onTick) {
    for (const Handle<Timer> handle : timers) {
        auto* timer = new QTimer(&owner);
        timer->setObjectName(QString::fromUtf8(handle.name.data(), qsizetype(handle.name.size())));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, timer, [onTick, handle] { onTick(handle); });
        timers_.emplace_back(handle.id, timer);
    }
}

void TimerBank::schedule(ControlId id, std::optional<double> due, double now) {
    const auto found = std::find_if(timers_.begin(), timers_.end(),
                                    [id](const auto& timer) { return timer.first == id; });
    if (found == timers_.end())
        return;
    QTimer* timer = found->second;
    if (!due) {
        timer->stop();
        return;
    }
    // Whole milliseconds, rounded up: a tick never runs before it is due, and as each is due an
    // Interval after the last was due, the rounding never adds up. A due time of now plus an
    // Interval, taken from now again, may come out a few units in the last place over the
    // Interval: those round down, not up to a whole millisecond more.
    constexpr double LastPlaces = 1e-6; // ms
    const double wait = std::ceil(*due - now - LastPlaces);
    timer->start(static_cast<int>(std::clamp(wait, 0.0, 2147483647.0)));
}

} // namespace molen
