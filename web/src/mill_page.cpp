// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill_page.h"

#include "canvas_replay.h"
#include "control_view.h"
#include "model/form1.h"
#include "model/initial_form.h"
#include "session/form_facts.h"

#include <stdexcept>
#include <utility>
#include <vector>

namespace molen::web {

using emscripten::val;

MillPage::MillPage(val textMeasure)
    : session_(InitialForm(), drawing::PixelGrid::forDotsPerInch(96)) // a CSS pixel is 1/96 inch
    , measure_(std::move(textMeasure)) {}

std::string MillPage::formColour() const { return cssColour(session_.form().form().BackColor); }

val MillPage::windowed() const {
    val views = val::array();
    for (const ControlId id : tabOrder(session_.form()))
        views.call<void>("push", viewOf(session_.form(), id, session_.grid()));
    return views;
}

val MillPage::liveTexts() const {
    std::vector<ControlId> ids;
    for (const Handle<Label>& label : form1::LiveTexts)
        ids.push_back(label.id);
    return states(ids);
}

val MillPage::tick(int timer, double now) {
    for (const Handle<Timer>& handle : MillSession::timers()) {
        if (handle.id == static_cast<ControlId>(timer))
            return report(session_.tick(handle, now));
    }
    throw std::invalid_argument("that control is no timer");
}

val MillPage::setText(int id, std::string text) {
    return report(session_.type(static_cast<ControlId>(id), std::move(text)));
}

val MillPage::setValue(int id, int value) {
    return report(session_.scroll(static_cast<ControlId>(id), value));
}

val MillPage::states(const std::vector<ControlId>& ids) const {
    val states = val::array();
    for (const ControlId id : ids)
        states.call<void>("push", stateOf(session_.form(), id));
    return states;
}

val MillPage::report(const Changes& changes) const {
    val timers = val::array();
    for (const ControlId id : changes.timers) {
        const auto due = session_.dueAt(id);
        val timer = val::object();
        timer.set("id", static_cast<int>(id));
        timer.set("due", due ? val(*due) : val::null());
        timers.call<void>("push", timer);
    }
    val report = val::object();
    report.set("controls", states(changes.windowed));
    report.set("texts", states(changes.texts));
    report.set("timers", timers);
    report.set("stale", changes.stale);
    report.set("adviceAppeared", changes.adviceAppeared);
    if (changes.error)
        report.set("error", std::string(changes.procedure) + " ended early: " + *changes.error);
    return report;
}

drawing::Rect MillPage::deviceArea(int width, int height, double devicePixelRatio) const {
    return session_.grid().onDevice(devicePixelRatio).onDevice(drawing::Rect{0, 0, width, height});
}

void MillPage::expose(int left, int top, int width, int height) {
    session_.expose(drawing::Rect{left, top, width, height});
}

// Every stale rectangle in one pass, each figure cut to them: a figure that crosses several is
// drawn once.
int MillPage::paint(double devicePixelRatio, val canvas) {
    const std::vector<drawing::Rect> stale = session_.takeStale();
    if (stale.empty())
        return 0;
    const drawing::PixelGrid device = session_.grid().onDevice(devicePixelRatio);
    std::vector<drawing::Rect> areas;
    for (const drawing::Rect& rect : stale)
        areas.push_back(device.covering(rect));
    CanvasReplay(std::move(canvas), std::move(areas))
        .play(session_.paint(stale, devicePixelRatio, measure_));
    return static_cast<int>(stale.size());
}

} // namespace molen::web
