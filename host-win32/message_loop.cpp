// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host-win32/message_loop.h"

#include <cmath>
#include <mmsystem.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace molen::win32 {
namespace {

// The timer wakes the loop this long before a tick is due, and the loop yields the rest of the
// way: a wait ends up to a millisecond late on some systems (Wine's server counts whole ones).
constexpr double WakeAhead = 1.5;

// Yields until `due`, as long as no message is waiting and the tick is near.
void yieldUntil(double due) {
    for (double now = steadyMilliseconds(); now < due && now > due - WakeAhead - 1;
         now = steadyMilliseconds()) {
        if (HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0)
            return;
        SwitchToThread();
    }
}

} // namespace

double steadyMilliseconds() {
    static const double perMillisecond = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return double(frequency.QuadPart) / 1000;
    }();
    LARGE_INTEGER count{};
    QueryPerformanceCounter(&count);
    return double(count.QuadPart) / perMillisecond;
}

// Windows before 10 (1803) knows no high-resolution timer: there the system's timer beat is
// raised to a millisecond for the program's life instead.
MessageLoop::MessageLoop()
    : timer_(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                    TIMER_ALL_ACCESS)) {
    if (!timer_) {
        timer_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
        raisedResolution_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
}

MessageLoop::~MessageLoop() {
    if (raisedResolution_)
        timeEndPeriod(1);
    CloseHandle(timer_);
}

void MessageLoop::wakeAt(std::optional<double> due) {
    if (!due) {
        CancelWaitableTimer(timer_);
        return;
    }
    // Relative, in 100 ns units, rounded up: a tick never runs before it is due.
    const double wait = std::max(0.0, std::ceil((*due - steadyMilliseconds()) * 10'000));
    LARGE_INTEGER dueTime{};
    dueTime.QuadPart = -static_cast<LONGLONG>(wait);
    SetWaitableTimer(timer_, &dueTime, 0, nullptr, nullptr, FALSE);
}

int MessageLoop::run(const Hooks& hooks) {
    for (;;) {
        const std::optional<double> due = hooks.nextDue();
        wakeAt(due ? std::optional(*due - WakeAhead) : std::nullopt);
        MsgWaitForMultipleObjectsEx(1, &timer_, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (due)
            yieldUntil(*due);
        hooks.tickDue();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return int(message.wParam);
            if (!hooks.handled(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            hooks.tickDue(); // a flood of input delays no tick
        }
    }
}

} // namespace molen::win32
