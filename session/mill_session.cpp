// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/mill_session.h"

#include "model/errors.h"
#include "model/form1.h"
#include "session/form_facts.h"

#include <algorithm>
#include <utility>

namespace molen {
namespace {

FormModel loaded(FormModel form) {
    runProcedure(form, MillEvent::Load);
    return form;
}

// The control of that id, if there is one: a host may hand on any number.
template <class Kind>
const Kind* controlOf(const FormModel& form, ControlId id) {
    return id < form.controls().size() ? std::get_if<Kind>(&form.controls()[id].data) : nullptr;
}

// Where control `id` stands among the live texts, if it is one.
std::optional<std::size_t> liveTextIndex(ControlId id) {
    const auto* const found =
        std::find_if(form1::LiveTexts.begin(), form1::LiveTexts.end(),
                     [id](const Handle<Label>& label) { return label.id == id; });
    if (found == form1::LiveTexts.end())
        return std::nullopt;
    return std::size_t(found - form1::LiveTexts.begin());
}

} // namespace

MillSession::MillSession(FormModel form, const drawing::PixelGrid& grid)
    : form_(loaded(std::move(form)))
    , grid_(grid)
    , stale_(form_, grid_)
    , schedule_(form_)
    , shown_(form_.generation()) {
    for (const Handle<Label> label : form1::LiveTexts)
        toldTexts_.push_back(form_.get(label));
}

std::vector<Handle<Timer>> MillSession::timers() {
    std::vector<Handle<Timer>> timers;
    for (const EventBinding& binding : EventTable) {
        if (binding.timer)
            timers.push_back(*binding.timer);
    }
    return timers;
}

Changes MillSession::start(double now) {
    schedule_.start();
    return changesSince(now);
}

Changes MillSession::tick(Handle<Timer> timer, double now) {
    if (!schedule_.dueAt(timer.id))
        return {};
    const auto* const binding =
        std::find_if(EventTable.begin(), EventTable.end(),
                     [&](const auto& b) { return b.timer && b.timer->id == timer.id; });
    return run(*binding, now, timer.id);
}

Changes MillSession::deliver(MillEvent event, double now) {
    return run(bindingOf(event), now, std::nullopt);
}

Changes MillSession::run(const EventBinding& binding, double now, std::optional<ControlId> ticked) {
    std::optional<std::string> error = runProcedure(form_, binding.event);
    Changes changes = changesSince(now, ticked);
    changes.procedure = binding.procedureName;
    changes.error = std::move(error);
    return changes;
}

Changes MillSession::type(ControlId field, std::string text) {
    const auto* box = controlOf<TextBox>(form_, field);
    if (box && box->Visible)
        form_.edit<TextBox>(field).Text = std::move(text);
    return changesSince();
}

Changes MillSession::scroll(ControlId bar, int value) {
    if (controlOf<ScrollBar>(form_, bar)) {
        // Taken for writing, the bar counts as changed, refused or not: either way the host shows
        // the value it holds.
        auto& scrollBar = form_.edit<ScrollBar>(bar);
        try {
            scrollBar.setValue(value);
        } catch (const ProcedureError&) { // NOLINT(bugprone-empty-catch): it keeps its value
        }
    }
    return changesSince();
}

void MillSession::setOuterWidth(double pixels) {
    form_.setWidth(static_cast<float>(grid_.twips(pixels)));
}

Changes MillSession::setBannerMoving(bool moving, double now) {
    schedule_.hold(form1::Timer3.id, !moving);
    if (!moving) {
        const Label& banner = form_.get(form1::Label10);
        const float last = form_.form().ClientWidth - banner.Width;
        if (banner.Left < 0 || banner.Left > last)
            form_.edit(form1::Label10).Left = std::clamp(banner.Left, 0.0f, std::max(last, 0.0f));
    }
    return changesSince(now);
}

bool MillSession::bannerMoving() const { return !schedule_.held(form1::Timer3.id); }

Changes MillSession::changesSince(std::optional<double> now, std::optional<ControlId> ticked) {
    Changes changes;
    for (ControlId id = 0; id < form_.controls().size(); ++id) {
        if (form_.changedAt(id) <= shown_)
            continue;
        const ControlData& data = form_.controls()[id].data;
        if (isWindowed(data))
            changes.windowed.push_back(id);
        else if (const auto live = liveTextIndex(id))
            tellText(*live, changes);
        if (drawing::isPainted(data)) {
            stale_.follow(id);
            changes.stale = true;
        }
    }
    shown_ = form_.generation();
    if (now) // only a procedure changes a timer
        changes.timers = schedule_.follow(form_, *now, ticked);
    const auto advice =
        std::find(changes.shownOrHidden.begin(), changes.shownOrHidden.end(), form1::Advice.id);
    changes.adviceAppeared =
        advice != changes.shownOrHidden.end() && form_.get(form1::Advice).Visible;
    return changes;
}

void MillSession::tellText(std::size_t live, Changes& changes) {
    const ControlId id = form1::LiveTexts[live].id;
    const auto& label = form_.get<Label>(id);
    Label& told = toldTexts_[live];
    if (label.Caption != told.Caption)
        changes.recaptioned.push_back(id);
    if (label.Visible != told.Visible)
        changes.shownOrHidden.push_back(id);
    if (label.Caption != told.Caption || label.Visible != told.Visible)
        changes.texts.push_back(id);
    told = label;
}

std::vector<drawing::Rect> MillSession::takeStale() { return stale_.take(); }

drawing::DisplayList MillSession::paint(std::span<const drawing::Rect> exposed,
                                        double devicePixelRatio,
                                        drawing::TextMeasure& measure) const {
    const drawing::PixelGrid device = grid_.onDevice(devicePixelRatio);
    drawing::DisplayList list;
    for (const drawing::Rect& rect : exposed)
        list.emplace_back(std::in_place_type<drawing::FillRect>,
                          drawing::FillRect{device.covering(rect), form_.form().BackColor});
    drawing::drawExposed(form_, device, measure, exposed, list);
    return list;
}

drawing::Rect MillSession::clientArea() const {
    const FormProperties& form = form_.form();
    return grid_.rect(Box{0, 0, form.ClientWidth, form.ClientHeight});
}

} // namespace molen
