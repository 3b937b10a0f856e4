// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The mill's one window: owns the form, shows it, takes the user's input and delivers every
// event to its procedure through one dispatch point.
#pragma once

#include "host/canvas.h"
#include "host/timer_bank.h"
#include "host/windowed_controls.h"
#include "mill/events.h"
#include "model/form_model.h"

#include <QRegion>
#include <QWidget>
#include <functional>
#include <string_view>
#include <utility>

namespace molen {

class MillWindow : public QWidget {
    Q_OBJECT

  public:
    // Builds the window and its controls from `form` and runs the load procedure; nothing is
    // shown and no timer runs until open().
    explicit MillWindow(FormModel form);
    ~MillWindow() override;

    // Centres and shows the window, gives the brake button the focus and starts the timers.
    void open();

    // The one dispatch point: runs the event's procedure, which an error ends at the failing
    // step, then shows what the procedure changed. Timers and the button deliver here.
    void deliver(MillEvent event);

    // Called at the start of every delivery, before the procedure runs, so that tests and
    // benchmarks can watch events arrive; the program itself sets none.
    using DeliveryObserver = std::function<void(MillEvent)>;
    void observeDeliveries(DeliveryObserver observer) { observer_ = std::move(observer); }

    const FormModel& form() const { return form_; }
    QWidget* widget(std::string_view name) const;
    const QTimer* timer(std::string_view name) const;
    double twipsPerPixel() const { return canvas_.twipsPerPixel(); }
    // What the last delivery invalidated of the painted controls.
    const QRegion& lastInvalidated() const { return lastInvalidated_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void showChanges();
    void onTimerTick(ControlId id);
    void recordOuterWidth();
    void centreOnScreen();
    void fillWithFormColour();

    FormModel form_;
    Canvas canvas_;
    WindowedControls controls_;
    TimerBank timers_;
    std::uint64_t shownGeneration_ = 0;
    QRegion lastInvalidated_;
    DeliveryObserver observer_;
};

} // namespace molen
