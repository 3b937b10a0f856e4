// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The mill's one window: owns the form, shows it, takes the user's input and delivers every
// event to its procedure through one dispatch point.
#pragma once

#include "drawing/pixel_grid.h"
#include "drawing/stale_region.h"
#include "host/timer_bank.h"
#include "host/windowed_controls.h"
#include "mill/events.h"
#include "model/form_model.h"

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

    // The one dispatch point: runs the event's procedure, which an error ends at the failing
    // step, then shows what the procedure changed. Timers and the button deliver here.
    void deliver(MillEvent event);

    // The form's widgets and QTimers are its children, each named after its control.
    const FormModel& form() const { return form_; }
    // Where the form's twips fall on this window's logical pixels.
    const drawing::PixelGrid& grid() const { return grid_; }
  signals:
    // Emitted for each control that a delivery changed, once the window has taken the change in.
    void controlChanged(molen::ControlId id);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void showChanges();
    void onTimerTick(ControlId id);
    void recordOuterWidth();
    void placeOnScreen();
    void placeAgainWithFrame();
    void fillWithFormColour();

    FormModel form_;
    drawing::PixelGrid grid_;
    drawing::StaleRegion stale_;
    WindowedControls controls_;
    TimerBank timers_;
    std::uint64_t shownGeneration_ = 0;
    std::optional<QPoint> placedAt_; // where the frame was put before its size was known
};

} // namespace molen
