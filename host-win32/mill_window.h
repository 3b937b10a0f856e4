// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The mill's one window on Windows: shows the session's form, times its timers and hands the
// user's input on to it. Painted at the monitor's own resolution: `ratio` device pixels to each
// of the form's logical pixels, its dots per inch over 96.
#pragma once

#include "host-win32/back_buffer.h"
#include "host-win32/message_loop.h"
#include "host-win32/native_controls.h"
#include "session/mill_session.h"

#include <memory>
#include <windows.h>

namespace molen::win32 {

class MillWindow {
  public:
    // Builds the hidden window and its controls from `form` and runs the load procedure.
    explicit MillWindow(FormModel form);
    ~MillWindow();
    MillWindow(const MillWindow&) = delete;
    MillWindow& operator=(const MillWindow&) = delete;

    // Centres and shows the window, gives the brake button the focus, starts the timers and runs
    // until the window is closed; returns the exit code.
    int run();

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    NativeControls::Input userInput();
    // Syncs the controls, re-times the timers and repaints what the session's changes name.
    void showChanges(const Changes& changes);
    void tickDue();
    std::optional<double> nextDue() const;
    bool handledKey(const MSG& message);
    void paint();
    void placeOnScreen();
    void resizeClient(UINT dpi);
    void dpiChanged(UINT dpi, const RECT& suggested);
    void recordOuterWidth();
    void announceAdvice();
    double ratio() const { return dpi_ / 96.0; }

    MillSession session_;
    HWND window_ = nullptr;
    UINT dpi_ = 96;
    std::unique_ptr<NativeControls> controls_;
    MessageLoop loop_;
    BackBuffer buffer_;
};

} // namespace molen::win32
