// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The mill's one window: shows the session's form, times its timers and hands the user's input
// on to it.
#pragma once

#include "host/timer_bank.h"
#include "host/windowed_controls.h"
#include "session/mill_session.h"

#include <QAction>
#include <QElapsedTimer>
#include <QRegion>
#include <QWidget>
#include <optional>

namespace molen {

class MillWindow : public QWidget {
    Q_OBJECT

  public:
    // Builds the window and its controls from `form` and runs the load procedure; nothing is
    // shown and no timer runs until open().
    explicit MillWindow(FormModel form);
    ~MillWindow() override;

    // Centres and shows the window, gives the brake button the focus and starts the timers. The
    // whole frame, title bar included, stays within the screen's available area; where it is
    // larger, its top left is the area's top left. Where the window manager reports the frame
    // only once the window shows, the window is placed again with it, unless it was moved by then.
    void open();

    // Runs the event's procedure, which an error ends at the failing step, then shows what the
    // procedure changed; the timers' ticks and the button go through the session the same way.
    void deliver(MillEvent event);

    // The form's widgets and QTimers are its children, each named after its control.
    const FormModel& form() const { return session_.form(); }
    // Where the form's twips fall on this window's logical pixels.
    const drawing::PixelGrid& grid() const { return session_.grid(); }
  signals:
    // Emitted for each windowed control that an input changed, once the window has shown it.
    void controlChanged(molen::ControlId id);
    // Emitted for each live text whose caption (`recaptioned`) or visibility changed.
    void textChanged(molen::ControlId id, bool recaptioned, bool shownOrHidden);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Milliseconds on the window's steady clock, which the session's timers are timed by.
    double now() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e6; }
    WindowedControls::Input userInput();
    // Syncs the widgets, re-times the timers and repaints what the session's changes, of an
    // input at `time`, name.
    void showChanges(const Changes& changes, double time);
    void recordOuterWidth();
    void placeOnScreen();
    void placeAgainWithFrame();

    MillSession session_;
    QElapsedTimer clock_;
    WindowedControls controls_;
    TimerBank timers_;
    std::optional<QPoint> placedAt_; // where the frame was put before its size was known
    QAction* bannerStop_;
};

} // namespace molen
