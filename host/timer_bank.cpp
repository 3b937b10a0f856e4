// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/timer_bank.h"

namespace molen {

TimerBank::TimerBank(QObject& owner, const FormModel& form, const TickHandler& onTick)
    : form_(form) {
    for (ControlId id = 0; id < form.controls().size(); ++id) {
        const auto* model = std::get_if<Timer>(&form.controls()[id].data);
        if (!model) {
            timers_.push_back(nullptr);
            continue;
        }
        auto* timer = new QTimer(&owner);
        timer->setObjectName(QString::fromStdString(form.controls()[id].Name));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(model->Interval());
        QObject::connect(timer, &QTimer::timeout, timer, [onTick, id] { onTick(id); });
        timers_.push_back(timer);
    }
}

void TimerBank::start() {
    started_ = true;
    for (ControlId id = 0; id < timers_.size(); ++id)
        follow(id);
}

void TimerBank::follow(ControlId id) {
    QTimer* timer = timers_.at(id);
    if (!timer)
        return;
    const auto& model = form_.get<Timer>(id);
    if (timer->interval() != model.Interval())
        timer->setInterval(model.Interval()); // restarts it, so the new interval counts from now
    if (!started_ || !model.Enabled)
        timer->stop();
    else if (!timer->isActive())
        timer->start();
}

} // namespace molen
