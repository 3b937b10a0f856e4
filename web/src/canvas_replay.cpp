// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_replay.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace molen::web {

using emscripten::val;

namespace {

// The whole device pixels that hold any part of `area`.
drawing::Rect covering(const drawing::RectF& area) {
    const int left = static_cast<int>(std::floor(area.left));
    const int top = static_cast<int>(std::floor(area.top));
    return {left, top, static_cast<int>(std::ceil(area.left + area.width)) - left,
            static_cast<int>(std::ceil(area.top + area.height)) - top};
}

} // namespace

bool CanvasReplay::insideClip(const drawing::Rect& pixels) const {
    return clip_.empty() || std::any_of(clip_.begin(), clip_.end(), [&](const drawing::Rect& area) {
               return area.intersects(pixels);
           });
}

CanvasReplay::CanvasReplay(val canvas)
    : canvas_(std::move(canvas)) {}

void CanvasReplay::play(const drawing::DisplayList& list, std::vector<drawing::Rect> ringBoxes) {
    ringBoxes_ = std::move(ringBoxes);
    ring_ = 0;
    for (const drawing::Operation& op : list)
        std::visit([this](const auto& operation) { (*this)(operation); }, op);
}

void CanvasReplay::clip(const std::vector<drawing::Rect>& areas) {
    clip_ = areas;
    val list = val::array();
    for (const drawing::Rect& area : areas)
        list.call<void>("push", area);
    canvas_.call<void>("clip", list);
}

void CanvasReplay::unclip() {
    clip_.clear();
    canvas_.call<void>("unclip");
}

void CanvasReplay::operator()(const drawing::FillRect& op) {
    canvas_.call<void>("fillRect", op.area, op.colour);
}

void CanvasReplay::operator()(const drawing::Stroke& op) { fillSpans(op.pixels, op.colour); }

void CanvasReplay::operator()(const drawing::Disc& op) { fillSpans(op.pixels, op.colour); }

void CanvasReplay::operator()(const drawing::Ring& op) {
    const val fill = op.fill ? val(*op.fill) : val::undefined();
    const drawing::Rect box = ring_ < ringBoxes_.size() ? ringBoxes_[ring_] : covering(op.outer);
    ++ring_;
    canvas_.call<void>("ring", box, op.centre, op.radiusX, op.radiusY, op.width, op.border, fill);
}

void CanvasReplay::operator()(const drawing::Caption& op) {
    canvas_.call<void>("fillRect", op.clip, op.background); // the caption's opaque box
    val lines = val::array();
    for (const drawing::CaptionLine& line : op.lines)
        lines.call<void>("push", line);
    canvas_.call<void>("caption", op.clip, op.font.Weight, op.pixelSize, op.colour, lines);
}

void CanvasReplay::fillSpans(const std::vector<drawing::Span>& spans, const Colour& colour) {
    // Only the pixels inside the clip are worth a call: a long figure may cross one corner.
    spans_.clear();
    for (const drawing::Span& span : spans) {
        if (insideClip(drawing::Rect{span.left, span.y, span.length, 1}))
            spans_.insert(spans_.end(), {span.y, span.left, span.length});
    }
    if (spans_.empty())
        return;
    canvas_.call<void>("fillSpans",
                       val(emscripten::typed_memory_view(spans_.size(), spans_.data())), colour);
}

} // namespace molen::web
