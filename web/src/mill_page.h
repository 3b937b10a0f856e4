// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's one way into the mill: its inputs handed to the one running mill (MillSession) on a
// grid of CSS pixels, what each changed reported as the page uses it, and the stale part of the
// canvas painted. Times are the page's performance.now().
#pragma once

#include "session/mill_session.h"
#include "web_text_measure.h"

#include <emscripten/val.h>
#include <string>
#include <vector>

namespace molen::web {

class MillPage {
  public:
    // The loaded form, measured by `textMeasure` (see WebTextMeasure).
    explicit MillPage(emscripten::val textMeasure);

    std::string caption() const { return session_.form().form().Caption; }
    // The client area's size in CSS pixels, at (0, 0), and the colour it shows where nothing is.
    drawing::Rect clientArea() const { return session_.clientArea(); }
    std::string formColour() const;
    // The frame's outer width, which only the page knows.
    void setFormWidth(double cssPixels) { session_.setOuterWidth(cssPixels); }

    // A list of ControlView: the text fields, button and scroll bars in tab order.
    emscripten::val windowed() const;
    // A list of ControlState: the labels whose captions change as the mill runs.
    emscripten::val liveTexts() const;

    // Each returns what the input changed, see report().
    emscripten::val start(double now) { return report(session_.start(now)); }
    emscripten::val tick(int timer, double now);
    emscripten::val press(double now) { return report(session_.press(now)); }
    emscripten::val setText(int id, std::string text);
    emscripten::val setValue(int id, int value);
    // The user stops the banner or lets it move on (see MillSession::setBannerMoving).
    emscripten::val setBannerMoving(bool moving, double now) {
        return report(session_.setBannerMoving(moving, now));
    }
    bool bannerMoving() const { return session_.bannerMoving(); }

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
    // {controls, texts, timers, stale, adviceAppeared, error}: the ControlState of each windowed
    // control and of each live text to show anew; {id, due} of each timer to set again, `due`
    // null where it stopped; whether the canvas went stale; whether the advice appeared; and the
    // line to log where a procedure ended early, else undefined.
    emscripten::val report(const Changes& changes) const;
    emscripten::val states(const std::vector<ControlId>& ids) const; // of ControlState

    MillSession session_;
    WebTextMeasure measure_;
};

} // namespace molen::web
