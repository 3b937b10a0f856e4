// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's one way into the mill: one form, its events delivered at one point, what changed
// reported as controls to show, and the stale part of the canvas painted through the drawing
// layer.
#pragma once

#include "control_view.h"
#include "drawing/stale_region.h"
#include "mill/events.h"
#include "web_text_measure.h"

#include <cstdint>
#include <emscripten/val.h>
#include <string>

namespace molen::web {

class MillPage {
  public:
    // The loaded form, measured by `textMeasure` (see WebTextMeasure).
    explicit MillPage(emscripten::val textMeasure);
    MillPage(const MillPage&) = delete;
    MillPage& operator=(const MillPage&) = delete;

    std::string caption() const { return form_.form().Caption; }
    // The client area's size in CSS pixels, at (0, 0).
    drawing::Rect clientArea() const;
    // The frame's outer width, which only the page knows.
    void setFormWidth(double cssPixels);

    ControlView control(int id) const { return viewOf(form_, checked(id), grid_); }
    // Lists of ControlView: the text fields, button and scroll bars in tab order; the labels
    // whose captions change as the mill runs; the timers.
    emscripten::val windowed() const;
    emscripten::val liveTexts() const;
    emscripten::val timers() const;
    // The event a tick of timer `id` delivers.
    MillEvent tickOf(int id) const;

    // Runs the event's procedure (an error ends it at the failing step) and returns the state
    // (see ControlState) of the controls changed since the last delivery, by the user's input
    // too, front to back.
    emscripten::val deliver(MillEvent event);
    void setText(int id, const std::string& text);
    // False where the bar refuses the value, which leaves it as it was.
    bool setValue(int id, int value);

    // A client area of `width` x `height` CSS pixels in device pixels at `devicePixelRatio`:
    // the size of the canvas that shows it.
    drawing::Rect deviceArea(int width, int height, double devicePixelRatio) const;
    // The part of the client area at `left`, `top` of `width` x `height` CSS pixels is to be
    // painted afresh.
    void expose(int left, int top, int width, int height);
    // Paints what went stale on `canvas` (see CanvasReplay) at `devicePixelRatio`; returns how
    // many rectangles it painted.
    int paint(double devicePixelRatio, emscripten::val canvas);

  private:
    ControlId checked(int id) const;
    emscripten::val views(auto&& ids) const;

    FormModel form_;
    drawing::PixelGrid grid_;
    drawing::StaleRegion stale_;
    WebTextMeasure measure_;
    std::uint64_t reported_ = 0; // the generation the page last heard of
};

} // namespace molen::web
