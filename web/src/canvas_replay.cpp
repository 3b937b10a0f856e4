// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas_replay.h"

#include "control_view.h"

#include <algorithm>
#include <utility>

namespace molen::web {

using drawing::Rect;
using emscripten::val;

namespace {

// Calls `piece` with the parts of `pixels` inside `area`: `pixels` itself where one rectangle
// holds it, else its overlap with each rectangle it meets.
template <class Piece>
void forEachPiece(const Rect& pixels, const std::vector<Rect>& area, Piece&& piece) {
    if (std::any_of(area.begin(), area.end(), [&](const Rect& r) { return r.contains(pixels); })) {
        piece(pixels);
        return;
    }
    for (const Rect& rect : area) {
        if (const Rect overlap = rect.intersected(pixels); !overlap.empty())
            piece(overlap);
    }
}

val asArray(const std::vector<Rect>& rects) {
    val array = val::array();
    for (const Rect& rect : rects)
        array.call<void>("push", rect);
    return array;
}

} // namespace

CanvasReplay::CanvasReplay(val canvas, std::vector<Rect> area)
    : canvas_(std::move(canvas))
    , area_(std::move(area)) {}

void CanvasReplay::play(const drawing::DisplayList& list) {
    for (const drawing::Operation& op : list)
        std::visit([this](const auto& operation) { (*this)(operation); }, op);
}

void CanvasReplay::operator()(const drawing::FillRect& op) {
    addInside(op.area);
    fill(op.colour);
}

void CanvasReplay::operator()(const drawing::Pixels& op) {
    for (const drawing::Span& span : op.spans)
        addInside(Rect{span.left, span.y, span.length, 1});
    fill(op.colour);
}

void CanvasReplay::operator()(const drawing::Ring& op) {
    const std::vector<Rect> pieces = piecesOf(op.box);
    if (pieces.empty())
        return;
    const val clips = asArray(pieces);
    const val fill = op.fill ? val(cssColour(*op.fill)) : val::undefined();
    canvas_.call<void>("ring", clips, op.box, op.centre, op.radiusX, op.radiusY, op.width,
                       cssColour(op.border), fill);
}

void CanvasReplay::operator()(const drawing::Caption& op) {
    const std::vector<Rect> pieces = piecesOf(op.clip);
    if (pieces.empty())
        return;
    for (const Rect& piece : pieces) // the caption's opaque box
        addRect(piece);
    fill(op.background);
    val lines = val::array();
    for (const drawing::CaptionLine& line : op.lines)
        lines.call<void>("push", line);
    canvas_.call<void>("caption", asArray(pieces), op.font.Weight, op.pixelSize,
                       cssColour(op.colour), lines);
}

void CanvasReplay::addInside(const Rect& pixels) {
    forEachPiece(pixels, area_, [this](const Rect& piece) { addRect(piece); });
}

void CanvasReplay::addRect(const Rect& rect) {
    rects_.insert(rects_.end(), {rect.left, rect.top, rect.width, rect.height});
}

// Fills the rectangles gathered since the last fill, if any, in one call.
void CanvasReplay::fill(const Colour& colour) {
    if (rects_.empty())
        return;
    canvas_.call<void>("fillRects",
                       val(emscripten::typed_memory_view(rects_.size(), rects_.data())),
                       cssColour(colour));
    rects_.clear();
}

std::vector<Rect> CanvasReplay::piecesOf(const Rect& box) const {
    std::vector<Rect> pieces;
    forEachPiece(box, area_, [&](const Rect& piece) { pieces.push_back(piece); });
    return pieces;
}

} // namespace molen::web
