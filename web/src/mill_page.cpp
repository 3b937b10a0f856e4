// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mill_page.h"

#include "canvas_replay.h"
#include "drawing/form_drawing.h"
#include "model/errors.h"
#include "model/initial_form.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace molen::web {
namespace {

using emscripten::val;

// The page paints the form as its load procedure left it.
FormModel loadedForm() {
    FormModel form = InitialForm();
    runProcedure(form, MillEvent::Load);
    return form;
}

template <class... Kinds>
std::vector<ControlId> idsOf(const FormModel& form) {
    std::vector<ControlId> ids;
    for (ControlId id = 0; id < form.controls().size(); ++id) {
        if ((std::holds_alternative<Kinds>(form.controls()[id].data) || ...))
            ids.push_back(id);
    }
    return ids;
}

} // namespace

MillPage::MillPage(val textMeasure)
    : form_(loadedForm())
    , grid_(drawing::PixelGrid::forDotsPerInch(96)) // a CSS pixel is 1/96 inch
    , stale_(form_, grid_)
    , measure_(std::move(textMeasure))
    , reported_(form_.generation()) {}

drawing::Rect MillPage::clientArea() const {
    const FormProperties& form = form_.form();
    return grid_.rect(Box{0, 0, form.ClientWidth, form.ClientHeight});
}

void MillPage::setFormWidth(double cssPixels) {
    form_.setWidth(static_cast<float>(grid_.twips(cssPixels)));
}

ControlId MillPage::checked(int id) const {
    if (id < 0 || static_cast<std::size_t>(id) >= form_.controls().size())
        throw std::out_of_range("no control of that id");
    return static_cast<ControlId>(id);
}

val MillPage::views(auto&& ids) const {
    val list = val::array();
    for (const ControlId id : ids)
        list.call<void>("push", viewOf(form_, id, grid_));
    return list;
}

val MillPage::windowed() const {
    std::vector<ControlId> ids = idsOf<TextBox, CommandButton, ScrollBar>(form_);
    std::stable_sort(ids.begin(), ids.end(), [this](ControlId a, ControlId b) {
        return viewOf(form_, a, grid_).tabIndex < viewOf(form_, b, grid_).tabIndex;
    });
    return views(ids);
}

val MillPage::liveTexts() const {
    std::vector<ControlId> ids;
    for (const auto& label : form1::LiveTexts)
        ids.push_back(label.id);
    return views(ids);
}

val MillPage::timers() const { return views(idsOf<Timer>(form_)); }

MillEvent MillPage::tickOf(int id) const {
    const auto tick = molen::tickOf(checked(id));
    if (!tick)
        throw std::invalid_argument("that control is no timer");
    return *tick;
}

val MillPage::deliver(MillEvent event) {
    runProcedure(form_, event);
    std::vector<ControlId> changed;
    for (ControlId id = 0; id < form_.controls().size(); ++id) {
        if (form_.changedAt(id) > reported_) {
            changed.push_back(id);
            stale_.follow(id);
        }
    }
    reported_ = form_.generation();
    val states = val::array();
    for (const ControlId id : changed)
        states.call<void>("push", stateOf(form_, id));
    return states;
}

void MillPage::setText(int id, const std::string& text) {
    form_.edit<TextBox>(checked(id)).Text = text;
}

bool MillPage::setValue(int id, int value) {
    try {
        form_.edit<ScrollBar>(checked(id)).setValue(value);
        return true;
    } catch (const ProcedureError&) {
        return false;
    }
}

drawing::Rect MillPage::deviceArea(int width, int height, double devicePixelRatio) const {
    return grid_.onDevice(devicePixelRatio).onDevice(drawing::Rect{0, 0, width, height});
}

void MillPage::expose(int left, int top, int width, int height) {
    stale_.addAll(drawing::Rect{left, top, width, height});
}

// Every stale rectangle in one pass, each figure cut to them: a figure that crosses several is
// drawn once.
int MillPage::paint(double devicePixelRatio, val canvas) {
    const drawing::PixelGrid device = grid_.onDevice(devicePixelRatio);
    const std::vector<drawing::Rect> stale = stale_.take();
    if (stale.empty())
        return 0;
    std::vector<drawing::Rect> areas;
    drawing::DisplayList list;
    for (const drawing::Rect& rect : stale) {
        areas.push_back(device.covering(rect));
        list.push_back(drawing::FillRect{areas.back(), form_.form().BackColor});
    }
    const drawing::DisplayList exposed = drawing::drawExposed(form_, device, measure_, stale);
    list.insert(list.end(), exposed.begin(), exposed.end());
    CanvasReplay(std::move(canvas), std::move(areas)).play(list);
    return static_cast<int>(stale.size());
}

} // namespace molen::web
