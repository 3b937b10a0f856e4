// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one running mill that every host drives. It owns the form, where the form's twips fall on
// the host's logical pixels, what of the painting went stale and when each timer is next due. A
// host hands it a timer's tick, a press of the button, the user's text, a slider's value and the
// window's outer width; each input says what the host must do, and painting asks it for the
// display list of the exposed region. Times are milliseconds on one steady clock of the host's.
#pragma once

#include "drawing/display_list.h"
#include "drawing/form_drawing.h"
#include "drawing/pixel_grid.h"
#include "drawing/stale_region.h"
#include "mill/events.h"
#include "model/form_model.h"
#include "session/timer_schedule.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace molen {

// What a host must do after an input, each control named once, front to back.
struct Changes {
    std::vector<ControlId> windowed;      // text fields, scroll bars and the button to show anew
    std::vector<ControlId> texts;         // live texts (form1::LiveTexts) whose caption or
                                          // visibility changed, and of those:
    std::vector<ControlId> recaptioned;   // the ones with a new caption
    std::vector<ControlId> shownOrHidden; // the ones shown or hidden
    std::vector<ControlId> timers;        // timers whose next tick moved: see MillSession::dueAt
    bool adviceAppeared = false;          // to announce to assistive technology
    bool stale = false;                   // something painted changed: see MillSession::takeStale
    std::string_view procedure;           // the procedure that ran, if one did
    std::optional<std::string> error;     // why it ended early, if it did
};

class MillSession {
  public:
    // The form on `grid`, after its load procedure; no timer is due until start().
    MillSession(FormModel form, const drawing::PixelGrid& grid);
    MillSession(const MillSession&) = delete; // its stale region follows its own form
    MillSession& operator=(const MillSession&) = delete;

    // The form's timers, each with its tick's procedure, for a host to make a timer of each.
    static std::vector<Handle<Timer>> timers();

    // From `now` on the timers run as the model says.
    Changes start(double now);
    // The tick of `timer`, due at dueAt(timer): runs its procedure. A tick of a stopped timer,
    // which a host may have had pending, runs nothing.
    Changes tick(Handle<Timer> timer, double now);
    // A press of the button.
    Changes press(double now) { return deliver(MillEvent::Command1Click, now); }
    // Runs the event's procedure, whatever the timers, and leaves them as they were unless it
    // changed them: the way in for a host's tests too.
    Changes deliver(MillEvent event, double now);
    // The user's text in field `id`, or a slider's new value; a value the bar refuses leaves it
    // as it was and the bar is to be shown again. Anything but a shown field or a bar is refused.
    Changes type(ControlId field, std::string text);
    Changes scroll(ControlId bar, int value);
    // The window's outer width, frame included, in logical pixels.
    void setOuterWidth(double pixels);
    // The user stops the banner, or lets it move on from where it stands. Stopped, its timer is
    // held whatever the form says, and the banner stands where its whole box is in the client
    // area. The sails and the stone are the mill itself and are not touched.
    Changes setBannerMoving(bool moving, double now);
    bool bannerMoving() const;

    // When `timer` is next due; nullopt while it is stopped.
    std::optional<double> dueAt(ControlId timer) const { return schedule_.dueAt(timer); }

    // The logical rectangle is to be painted afresh (shown, resized).
    void expose(const drawing::Rect& area) { stale_.addAll(area); }
    // What went stale since the last take, in logical pixels: bounded however long it was not
    // taken (see drawing::StaleRegion).
    std::vector<drawing::Rect> takeStale();
    // What paints the logical rectangles `exposed` at `devicePixelRatio`: the form's colour over
    // each, then every painted control that meets them, the rearmost first.
    drawing::DisplayList paint(std::span<const drawing::Rect> exposed, double devicePixelRatio,
                               drawing::TextMeasure& measure) const;

    const FormModel& form() const { return form_; }
    const drawing::PixelGrid& grid() const { return grid_; }
    // The client area in logical pixels, at (0, 0).
    drawing::Rect clientArea() const;

  private:
    Changes run(const EventBinding& binding, double now, std::optional<ControlId> ticked);
    // What changed since the host last heard; `now` where a procedure ran (or the timers
    // started), `ticked` where it was that timer's tick.
    Changes changesSince(std::optional<double> now = {}, std::optional<ControlId> ticked = {});
    void tellText(std::size_t live, Changes& changes);

    FormModel form_;
    drawing::PixelGrid grid_;
    drawing::StaleRegion stale_;
    TimerSchedule schedule_;
    std::uint64_t shown_;          // the generation the host last heard of
    std::vector<Label> toldTexts_; // each live text as the host last heard of it
};

} // namespace molen
