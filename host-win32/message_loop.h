// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's one loop: Windows' messages and the form's timers on one thread. It sleeps on a
// high-resolution waitable timer set for the earliest tick due, so that each tick comes within a
// fraction of a millisecond of its time rather than on the system's 15.6 ms timer beat.
#pragma once

#include <functional>
#include <optional>
#include <windows.h>

namespace molen::win32 {

// Milliseconds on the performance counter: the steady clock the timers are timed by.
double steadyMilliseconds();

class MessageLoop {
  public:
    struct Hooks {
        std::function<std::optional<double>()> nextDue; // the earliest tick due, if any is
        std::function<void()> tickDue;                  // runs every tick due by now
        std::function<bool(const MSG&)> handled;        // a message taken before dispatch
    };

    MessageLoop();
    ~MessageLoop();
    MessageLoop(const MessageLoop&) = delete;
    MessageLoop& operator=(const MessageLoop&) = delete;

    // Runs until WM_QUIT and returns its exit code.
    int run(const Hooks& hooks);

  private:
    void wakeAt(std::optional<double> due);

    HANDLE timer_;
    bool raisedResolution_ = false; // timeBeginPeriod(1) stands in for a high-resolution timer
};

} // namespace molen::win32
